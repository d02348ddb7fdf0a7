<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="el">
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
        <translation>In this column, enter the spacing of the section's risers, in m</translation>
    </message>
    <message>
        <source>Σε αυτή τη στήλη δίνουμε την υψομετρική διαφορά των ανυψωτήρων του τμήματος σε m</source>
        <translation>In this column, enter the difference in elevation between the section's risers, in m</translation>
    </message>
    <message>
        <source>Σε αυτή τη στήλη δίνουμε την διαμετρο των ανυψωτήρων του τμήματος σε m</source>
        <translation>In this column, enter the diameter of the section's risers, in m</translation>
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
    <name>thalmuro::help::AboutWindow</name>
    <message>
        <source>Thalmuro.exe. Πρόγραμμα υδραυλικού υπολογισμού του διαχυτήρα</source>
        <translation>Thalmuro.exe. Hydraulic design program for the diffuser</translation>
    </message>
    <message>
        <source>Τα κείμενα, οι εξισώσεις και οι μέθοδοι υπολογισμού του προγράμματος ακολουθούν την κλασική μέθοδο υδραυλικού υπολογισμού πολύθυρων διαχυτήρων θαλάσσιων αγωγών διάθεσης.</source>
        <translation>The texts, equations and calculation methods of the program follow the classical method for the hydraulic design of multiport diffusers of sea outfalls.</translation>
    </message>
    <message>
        <source>Επικοινωνία:
Thalmuro issue tracker</source>
        <translation>Contact:
Thalmuro issue tracker</translation>
    </message>
    <message>
        <source>Συγγραφέας:
το έργο Thalmuro</source>
        <translation>Author:
the Thalmuro project</translation>
    </message>
    <message>
        <source>Για απορίες, προβλήματα τεχνικής φύσεως:
Thalmuro issue tracker</source>
        <translation>For questions and technical problems:
Thalmuro issue tracker</translation>
    </message>
    <message>
        <source>Σχετικά με το Thalmuro</source>
        <translation>About Thalmuro</translation>
    </message>
</context>
<context>
    <name>thalmuro::help::GeneralitiesWindow</name>
    <message>
        <source>Γενικά για τον Διαχυτήρα</source>
        <translation>About the Diffuser</translation>
    </message>
    <message>
        <source>Τρόπος Υπολογισμού</source>
        <translation>Method of Calculation</translation>
    </message>
    <message>
        <source>ΓΕΝΙΚΟΤΗΤΕΣ</source>
        <translation>GENERAL INFORMATION</translation>
    </message>
</context>
<context>
    <name>thalmuro::help::InstructionsWindow</name>
    <message>
        <source>Γενικές Οδηγίες</source>
        <translation>General Instructions</translation>
    </message>
    <message>
        <source>Οδηγίες Συμπλήρωσης Δεδομένων</source>
        <translation>Entering the Data</translation>
    </message>
    <message>
        <source> Αρχείο Αποτελεσμάτων</source>
        <translation>Results File</translation>
    </message>
    <message>
        <source>Παροχή Υπολογισμού</source>
        <translation>Design Discharge</translation>
    </message>
    <message>
        <source>ΟΔΗΓΙΕΣ</source>
        <translation>INSTRUCTIONS</translation>
    </message>
</context>
<context>
    <name>thalmuro::help::NomographWindow</name>
    <message>
        <source>Νομογράφημα Abraham</source>
        <translation>Abraham Nomograph</translation>
    </message>
    <message>
        <source>Ο Abraham πρότεινε το νομογράφημα που υπάρχει δεξια για τον υπολογισμό της κατακόρυφης ανάμειξης του πλουμίου.Στον άξονα y είναι το βάθος δια την διάμετρο της εκροής και στον άξονα x ο πυκνομετρικός αριθμός FROUDE.Είναι εμφανές ότι οι καμπύλεςτης διάλυσης αλλάζουν μονοτονία (προς τα κάτω) για τιμές του Froude μεγαλύτερες από 10.Γι&apos; αυτό λοιπόν συνίσται ο Froude να μην υπερβαίνει την τιμή 10. </source>
        <translation>Abraham proposed the nomograph on the right for computing the vertical mixing of the plume. The y axis shows the depth divided by the outlet diameter, the x axis the densimetric Froude number. The dilution curves clearly turn downwards for Froude numbers greater than 10. The Froude number should therefore not exceed 10.</translation>
    </message>
</context>
</TS>
