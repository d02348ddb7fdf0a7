<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="el">
<context>
    <name>thalmuro::AccessibleNames</name>
    <message>
        <source>Συνθήκες λειτουργίας</source>
        <translation>Operating conditions</translation>
    </message>
    <message>
        <source>Αποτελέσματα των συνθηκών</source>
        <translation>Results of the conditions</translation>
    </message>
    <message>
        <source>Γραμμή %1, %2</source>
        <translation>Row %1, %2</translation>
    </message>
    <message>
        <source>Τμήμα %1, %2</source>
        <translation>Section %1, %2</translation>
    </message>
    <message>
        <source>πρώτος ανυψωτήρας</source>
        <translation>first riser</translation>
    </message>
    <message>
        <source>τελευταίος ανυψωτήρας</source>
        <translation>last riser</translation>
    </message>
    <message>
        <source>διάμετρος αγωγού D</source>
        <translation>pipe diameter D</translation>
    </message>
    <message>
        <source>απόσταση ανυψωτήρων</source>
        <translation>riser spacing</translation>
    </message>
    <message>
        <source>υψομετρική διαφορά ανυψωτήρων</source>
        <translation>elevation step between risers</translation>
    </message>
    <message>
        <source>διάμετρος ανυψωτήρων d</source>
        <translation>riser diameter d</translation>
    </message>
    <message>
        <source>Μήκος διαχυτήρα L (m)</source>
        <translation>Diffuser length L (m)</translation>
    </message>
    <message>
        <source>Βάθος στην έξοδο του τελευταίου (ανάντη) ανυψωτήρα Ζτ (m)</source>
        <translation>Depth at the outlet of the last (landward) riser Zt (m)</translation>
    </message>
    <message>
        <source>Αναγκαίο φορτίο για τη λειτουργία του διαχυτήρα (m)</source>
        <translation>Head required to operate the diffuser (m)</translation>
    </message>
</context>
<context>
    <name>thalmuro::ChartExport</name>
    <message>
        <source>Αποθήκευση γραφήματος ως PNG…</source>
        <translation>Save chart as PNG…</translation>
    </message>
    <message>
        <source>Εικόνες PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Αποθήκευση γραφήματος ως PNG (2×)…</source>
        <translation>Save chart as PNG (2×)…</translation>
    </message>
    <message>
        <source>Αποθήκευση γραφήματος ως SVG…</source>
        <translation>Save chart as SVG…</translation>
    </message>
    <message>
        <source>Σχέδια SVG (*.svg)</source>
        <translation>SVG drawings (*.svg)</translation>
    </message>
    <message>
        <source>Γράφημα</source>
        <translation>Chart</translation>
    </message>
</context>
<context>
    <name>thalmuro::GraphWindow</name>
    <message>
        <source>Ενέργεια</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source> ΕΙΔΙΚΗ ΕΝΕΡΓΕΙΑ (m) -ΑΝΥΨΩΤΗΡΕΣ</source>
        <translation> SPECIFIC ENERGY (m) BY RISER</translation>
    </message>
    <message>
        <source>Cd</source>
        <translation>Cd</translation>
    </message>
    <message>
        <source> ΣΥΝΤΕΛΕΣΤΗΣ ΠΑΡΟΧΗΣ-ΑΝΥΨΩΤΗΡΕΣ</source>
        <translation> DISCHARGE COEFFICIENT BY RISER</translation>
    </message>
    <message>
        <source>Ταχύτητα Διαχυτήρα</source>
        <translation>Diffuser velocity</translation>
    </message>
    <message>
        <source> ΤΑΧΥΤΗΤΑ ΔΙΑΧΥΤΗΡΑ (m/s) -ΑΝΥΨΩΤΗΡΕΣ</source>
        <translation> DIFFUSER VELOCITY (m/s) BY RISER</translation>
    </message>
    <message>
        <source>Ταχύτητα Ανυψωτήρα</source>
        <translation>Riser velocity</translation>
    </message>
    <message>
        <source> ΤΑΧΥΤΗΤΑ ΑΝΥΨΩΤΗΡΑ (m/s) -ΑΝΥΨΩΤΗΡΕΣ</source>
        <translation> RISER VELOCITY (m/s) BY RISER</translation>
    </message>
    <message>
        <source>Παροχή Ανυψωτήρα</source>
        <translation>Riser discharge</translation>
    </message>
    <message>
        <source> ΠΑΡΟΧΗ ΑΝΥΨΩΤΗΡΑ (m^3/s) -ΑΝΥΨΩΤΗΡΕΣ</source>
        <translation> RISER DISCHARGE (m^3/s) BY RISER</translation>
    </message>
    <message>
        <source>Πυκνομετρικός Froude</source>
        <translation>Densimetric Froude</translation>
    </message>
    <message>
        <source> ΠΥΚΝΟΜΕΤΡΙΚΟΣ ΑΡΙΘΜΟΣ FROUDE-ΑΝΥΨΩΤΗΡΕΣ</source>
        <translation> DENSIMETRIC FROUDE NUMBER BY RISER</translation>
    </message>
    <message>
        <source>ΓΡΑΦΙΚΕΣ ΠΑΡΑΣΤΑΣΕΙΣ</source>
        <translation>GRAPHS</translation>
    </message>
    <message>
        <source>Υπόμνημα</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>ΑΝΥΨΩΤΗΡΕΣ</source>
        <translation>RISERS</translation>
    </message>
    <message>
        <source>Παροχή ίση με Qολ/Ανυψωτήρες</source>
        <translation>Discharge equal to Qtotal/risers</translation>
    </message>
    <message>
        <source>10% αυξημένη</source>
        <translation>10% higher</translation>
    </message>
    <message>
        <source>10% μειωμένη</source>
        <translation>10% lower</translation>
    </message>
    <message>
        <source>Παροχή εκροής απο ανυψωτήρες</source>
        <translation>Discharge from the risers</translation>
    </message>
    <message>
        <source>Πυκνομετρικός FROUDE</source>
        <translation>Densimetric Froude</translation>
    </message>
    <message>
        <source>Μέγιστος Επιτρεπόμενος (10)</source>
        <translation>Maximum allowed (10)</translation>
    </message>
    <message>
        <source>Ελάχιστος Επιτρεπόμενος (1)</source>
        <translation>Minimum allowed (1)</translation>
    </message>
    <message>
        <source>Πρός φρεάτιο φόρτισης</source>
        <translation>To the loading shaft</translation>
    </message>
    <message>
        <source>Πρός ανοχτή θάλασσα</source>
        <translation>To the open sea</translation>
    </message>
    <message>
        <source>Για την αποφυγή εισροής θαλασσινού νερού στο διαχυτήρα ο FROUDE πρέπει να είναι μεγαλύτερος από 1</source>
        <translation>To keep seawater from entering the diffuser, the densimetric Froude number must be greater than 1</translation>
    </message>
</context>
<context>
    <name>thalmuro::LoadingShaftWindow</name>
    <message>
        <source>ΦΡΕΑΤΙΟ ΦΟΡΤΙΣΗΣ</source>
        <translation>LOADING SHAFT</translation>
    </message>
    <message>
        <source>ΥΠΟΛΟΓΙΣΜΟΣ ΦΡΕΑΤΙΟΥ ΦΟΡΤΙΣΗΣ</source>
        <translation>LOADING SHAFT CALCULATION</translation>
    </message>
    <message>
        <source>Εισάγετε τα παρακάτω επιπλέον δεδομένα</source>
        <translation>Enter the following additional data</translation>
    </message>
    <message>
        <source>Μήκος Διαχυτήρα (L)</source>
        <translation>Diffuser length (L)</translation>
    </message>
    <message>
        <source>Το βάθος στην έξοδο του τελευταίου (ανάντη) ανυψωτήρα (Ζτ)</source>
        <translation>Depth at the outlet of the last (landward) riser (Zt)</translation>
    </message>
    <message>
        <source>Υπολογισμός</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Το αναγκαίο φορτίο για την λειτουργεία του διαχυτήρα είναι (m) :</source>
        <translation>Head needed to operate the diffuser (m):</translation>
    </message>
</context>
<context>
    <name>thalmuro::MainWindow</name>
    <message>
        <source>Πλήθος Ανυψωτήρων</source>
        <translation>Number of risers</translation>
    </message>
    <message>
        <source>Τμήματα Διαχυτήρα</source>
        <translation>Diffuser sections</translation>
    </message>
    <message>
        <source>Δρ/ρ</source>
        <translation>Δρ/ρ</translation>
    </message>
    <message>
        <source>Ολική Παροχή</source>
        <translation>Total discharge</translation>
    </message>
    <message>
        <source>Αριθμός Manning</source>
        <translation>Manning number</translation>
    </message>
    <message>
        <source>Τύπος Συναρμογής</source>
        <translation>Fitting type</translation>
    </message>
    <message>
        <source>Σε αυτή τη στήλη δίνουμε τον αριθμό του πρώτου ανυψωτήρα κάθε τμήματος</source>
        <translation>In this column, enter the number of the first riser of each section</translation>
    </message>
    <message>
        <source>Σε αυτή τη στήλη δίνουμε τον αριθμό του τελευταίου ανυψωτήρα κάθε τμήματος</source>
        <translation>In this column, enter the number of the last riser of each section</translation>
    </message>
    <message>
        <source>Σε αυτή τη στήλη δίνουμε την διάμετρο σε m κάθε τμήματος</source>
        <translation>In this column, enter the diameter of each section, in m</translation>
    </message>
    <message>
        <source>Σε αυτή τη στήλη δίνουμε την απόσταση μεταξύ των ανυψωτήρων του τμήματος σε m</source>
        <translation>In this column, enter the spacing of the section&apos;s risers, in m</translation>
    </message>
    <message>
        <source>Σε αυτή τη στήλη δίνουμε την υψομετρική διαφορά των ανυψωτήρων του τμήματος σε m</source>
        <translation>In this column, enter the difference in elevation between the section&apos;s risers, in m</translation>
    </message>
    <message>
        <source>Σε αυτή τη στήλη δίνουμε την διαμετρο των ανυψωτήρων του τμήματος σε m</source>
        <translation>In this column, enter the diameter of the section&apos;s risers, in m</translation>
    </message>
    <message>
        <source>ΥΔΡΑΥΛΙΚΟΣ ΥΠΟΛΟΓΙΣΜΟΣ ΔΙΑΧΥΤΗΡΑ</source>
        <translation>HYDRAULIC DESIGN OF A DIFFUSER</translation>
    </message>
    <message>
        <source>Ιδια Απόσταση Ανυψωτήρων για κάθε τμήμα</source>
        <translation>Same riser spacing in every section</translation>
    </message>
    <message>
        <source>Ιδια Υψομετρική διαφορά  Ανυψωτήρων για κάθε τμήμα</source>
        <translation>Same riser elevation step in every section</translation>
    </message>
    <message>
        <source>Ιδια Διάμετρος Ανυψωτήρων για κάθε τμήμα</source>
        <translation>Same riser diameter in every section</translation>
    </message>
    <message>
        <source>Παράδειγμα Σημειώσεων </source>
        <translation>Worked example</translation>
    </message>
    <message>
        <source>Επίλυση</source>
        <translation>Solve</translation>
    </message>
    <message>
        <source>Γραφικές Παραστάσεις</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Φρεάτιο Φόρτισης</source>
        <translation>Loading shaft</translation>
    </message>
    <message>
        <source>Διαχυτήρας</source>
        <translation>Diffuser</translation>
    </message>
    <message>
        <source>Γενικά για τον διαχυτήρα- Τρόπος Υπολογισμού</source>
        <translation>About the diffuser - method of calculation</translation>
    </message>
    <message>
        <source>Προβολή Αναφοράς</source>
        <translation>View report</translation>
    </message>
    <message>
        <source>Εξαγωγή Αποτελεσμάτων (CSV)…</source>
        <translation>Export results (CSV)…</translation>
    </message>
    <message>
        <source>Παροχή Υπολογισμού</source>
        <translation>Design discharge</translation>
    </message>
    <message>
        <source>Υπολογισμος με qc=0.95qtotal</source>
        <translation>Calculate with qc=0.95qtotal</translation>
    </message>
    <message>
        <source>Υπολογισμος με βελτιστοποίηση της παροχής</source>
        <translation>Calculate with the optimised discharge</translation>
    </message>
    <message>
        <source>Υπολογισμός με καθορισμένη απο το χρήστη σχέση qc με qtotal</source>
        <translation>Calculate with a user-defined ratio of qc to qtotal</translation>
    </message>
    <message>
        <source>Οδηγίες</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Καρτέλες με οδηγίες</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>1 αιτία</source>
        <translation>1 cause</translation>
    </message>
    <message>
        <source>%1 αιτίες</source>
        <translation>%1 causes</translation>
    </message>
    <message>
        <source>Παραλείφθηκαν βήματα (%1)· κρατήθηκαν προηγούμενες τιμές.</source>
        <translation>Steps were skipped (%1); earlier values were kept.</translation>
    </message>
    <message>
        <source>Δείτε τις αιτίες</source>
        <translation>See the causes</translation>
    </message>
    <message>
        <source>Αποτελέσματα.csv</source>
        <translation>Results.csv</translation>
    </message>
    <message>
        <source>Εξαγωγή αποτελεσμάτων (CSV)</source>
        <translation>Export results (CSV)</translation>
    </message>
    <message>
        <source>Αρχεία CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Εύλογο εύρος: %1
%2</source>
        <translation>Plausible range: %1
%2</translation>
    </message>
</context>
<context>
    <name>thalmuro::ProjectFiles</name>
    <message>
        <source>Νέο</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Άνοιγμα…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Αποθήκευση</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Αποθήκευση ως…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>Έξοδος</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Αρχείο</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>thalmuro::Prompt</name>
    <message>
        <source>Η παροχή του πρώτου ανυψωτήρα μειώνεται βήμα προς βήμα,
ώσπου οι ανυψωτήρες μαζί να μη δίνουν περισσότερο από την ολική.

Επαναλήψεις: %1</source>
        <translation>The discharge of the first riser is reduced step by step,
until the risers together discharge no more than the total.

Iterations: %1</translation>
    </message>
    <message>
        <source>Άκυρο</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Βελτιστοποίηση της παροχής</source>
        <translation>Optimising the discharge</translation>
    </message>
    <message>
        <source>Διακοπή</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source> qc=x*qtotal/Ανυψωτήρες    Δώσε το x !!ΠΡΟΣΟΧΗ!! Χ&lt;1</source>
        <translation> qc=x*qtotal/risers    Enter x   !!CAUTION!! x&lt;1</translation>
    </message>
    <message>
        <source>Εισαγωγή Αναλογίας</source>
        <translation>Ratio</translation>
    </message>
    <message>
        <source>Δώστε το όνομα της δοκιμής και την κατάληξη</source>
        <translation>Enter the name of the run and its extension</translation>
    </message>
    <message>
        <source>Εισαγωγή ονόματος αρχείου</source>
        <translation>Report file name</translation>
    </message>
    <message>
        <source>Δοκιμή1.txt</source>
        <translation>Run1.txt</translation>
    </message>
</context>
<context>
    <name>thalmuro::ReportViewer</name>
    <message>
        <source>Προβολή Αναφοράς</source>
        <translation>Report Viewer</translation>
    </message>
    <message>
        <source>Εκτύπωση…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Αποθήκευση ως UTF-8…</source>
        <translation>Save as UTF-8…</translation>
    </message>
    <message>
        <source>Εκτύπωση</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Αποθήκευση αναφοράς ως UTF-8</source>
        <translation>Save report as UTF-8</translation>
    </message>
    <message>
        <source>Αρχεία κειμένου (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
</context>
</TS>
