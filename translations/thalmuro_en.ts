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
        <source>Αποθήκευση γραφήματος ως PDF…</source>
        <translation>Save chart as PDF…</translation>
    </message>
    <message>
        <source>Έγγραφα PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Γράφημα</source>
        <translation>Chart</translation>
    </message>
</context>
<context>
    <name>thalmuro::CheckTexts</name>
    <message>
        <source>Ανυψωτήρας %1</source>
        <translation>Riser %1</translation>
    </message>
    <message>
        <source>Ανυψωτήρες %1</source>
        <translation>Risers %1</translation>
    </message>
    <message>
        <source>Τμήμα %1</source>
        <translation>Section %1</translation>
    </message>
    <message>
        <source>Τμήματα %1</source>
        <translation>Sections %1</translation>
    </message>
    <message>
        <source>· </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>thalmuro::ChecksWindow</name>
    <message>
        <source>ΕΛΕΓΧΟΣ ΣΧΕΔΙΑΣΜΟΥ</source>
        <translation>DESIGN CHECK</translation>
    </message>
    <message>
        <source>Έλεγχοι</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Συνθήκες Λειτουργίας</source>
        <translation>Operating Conditions</translation>
    </message>
    <message>
        <source>Ταχύτητα αυτοκαθαρισμού αγωγού (m/s):</source>
        <translation>Self-cleansing velocity in the pipe (m/s):</translation>
    </message>
    <message>
        <source>Έλεγχος</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Κανόνας – όριο</source>
        <translation>Rule – limit</translation>
    </message>
    <message>
        <source>Πηγή</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Αποτέλεσμα</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Τιμές</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Αφορά</source>
        <translation>Concerns</translation>
    </message>
    <message>
        <source>Βήματα που παραλείφθηκαν</source>
        <translation>Skipped steps</translation>
    </message>
    <message>
        <source>Διασταύρωση με την κλασική μέθοδο υπολογισμού θυρίδων</source>
        <translation>Cross-check by the classical port-flow method</translation>
    </message>
    <message>
        <source>Ο διαχυτήρας υπολογίζεται δύο φορές, κάθε φορά με την παροχή του ανυψωτήρα 1 για την οποία οι παροχές των ανυψωτήρων αθροίζονται στην ολική παροχή Q: μία όπως στο πρόγραμμα (ο συντελεστής X από την παροχή του ίδιου του ανυψωτήρα) και μία με την κλασική μέθοδο (X από την παροχή του αγωγού στη θέση του ανυψωτήρα).</source>
        <translation>The diffuser is computed twice, each time with the discharge of riser 1 for which the riser discharges add up to the total discharge Q: once as the program computes it (the factor X from the riser&apos;s own discharge) and once by the classical method (X from the pipe discharge at the riser).</translation>
    </message>
    <message>
        <source>Πρόγραμμα</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Κλασική μέθοδος</source>
        <translation>Classical method</translation>
    </message>
    <message>
        <source>Ενέργεια στο χερσαίο άκρο, E ανυψωτήρα N (m)</source>
        <translation>Energy at the landward end, E of riser N (m)</translation>
    </message>
    <message>
        <source>Μέγιστη παροχή ανυψωτήρα (m³/s)</source>
        <translation>Largest riser discharge (m³/s)</translation>
    </message>
    <message>
        <source>Ελάχιστη παροχή ανυψωτήρα (m³/s)</source>
        <translation>Smallest riser discharge (m³/s)</translation>
    </message>
    <message>
        <source>Ελάχιστος πυκνομετρικός αριθμός Froude</source>
        <translation>Smallest densimetric Froude number</translation>
    </message>
    <message>
        <source>Δώστε θετικό αριθμό, π.χ. %1</source>
        <translation>Enter a positive number, e.g. %1</translation>
    </message>
    <message>
        <source>Κανένα βήμα δεν παραλείφθηκε.</source>
        <translation>No step was skipped.</translation>
    </message>
    <message>
        <source>%1 (ανυψωτήρας %2)</source>
        <translation>%1 (riser %2)</translation>
    </message>
    <message>
        <source>Δεν εξισορροπήθηκε</source>
        <translation>Not balanced</translation>
    </message>
    <message>
        <source>Διαφορά ενέργειας στο χερσαίο άκρο, (κλασική − πρόγραμμα) / πρόγραμμα: %1 % (όριο %2 %).</source>
        <translation>Difference of the energy at the landward end, (classical − program) / program: %1 % (limit %2 %).</translation>
    </message>
    <message>
        <source>κανένας από τους δύο υπολογισμούς δεν εξισορροπήθηκε</source>
        <translation>neither computation was balanced</translation>
    </message>
    <message>
        <source>ο υπολογισμός του προγράμματος δεν εξισορροπήθηκε</source>
        <translation>the program&apos;s computation was not balanced</translation>
    </message>
    <message>
        <source>ο υπολογισμός με την κλασική μέθοδο δεν εξισορροπήθηκε</source>
        <translation>the computation by the classical method was not balanced</translation>
    </message>
    <message>
        <source>Η διαφορά δεν υπολογίζεται: %1 (δεν βρέθηκε παροχή ανυψωτήρα 1 για την οποία οι παροχές των ανυψωτήρων να αθροίζονται στην ολική παροχή Q).</source>
        <translation>The difference cannot be computed: %1 (no discharge of riser 1 was found for which the riser discharges add up to the total discharge Q).</translation>
    </message>
    <message>
        <source>%1: %2 με παροχή ανυψωτήρα 1 qc = %3 m³/s</source>
        <translation>%1: %2 with the riser 1 discharge qc = %3 m³/s</translation>
    </message>
    <message>
        <source> (X = %1 &gt; 1 στον ανυψωτήρα %2).</source>
        <translation> (X = %1 &gt; 1 at riser %2).</translation>
    </message>
    <message>
        <source> (αρνητική ειδική ενέργεια στον ανυψωτήρα %1).</source>
        <translation> (negative specific energy at riser %1).</translation>
    </message>
    <message>
        <source>η κλασική μέθοδος δεν δίνει ενέργεια μεγαλύτερη κατά περισσότερο από %1 %.</source>
        <translation>the classical method does not give an energy more than %1 % higher.</translation>
    </message>
    <message>
        <source>η κλασική μέθοδος δίνει ενέργεια μεγαλύτερη κατά περισσότερο από %1 %· ελέγξτε το φρεάτιο φόρτισης.</source>
        <translation>the classical method gives an energy more than %1 % higher; check the loading shaft.</translation>
    </message>
    <message>
        <source>η σύγκριση δεν είναι δυνατή.</source>
        <translation>the comparison is not possible.</translation>
    </message>
    <message>
        <source>Αντιμετώπιση:</source>
        <translation>Remedy:</translation>
    </message>
</context>
<context>
    <name>thalmuro::ConditionsChart</name>
    <message>
        <source>Ενέργεια στο χερσαίο άκρο και ελάχιστος αριθμός Froude ανάλογα με την ολική παροχή</source>
        <translation>Energy at the landward end and smallest Froude number against the total discharge</translation>
    </message>
    <message>
        <source>Ολική παροχή Q (m³/s)</source>
        <translation>Total discharge Q (m³/s)</translation>
    </message>
    <message>
        <source>E χερσαίου άκρου (m)</source>
        <translation>E at the landward end (m)</translation>
    </message>
    <message>
        <source>Ελάχιστος Froude</source>
        <translation>Smallest Froude</translation>
    </message>
    <message>
        <source>Ενέργεια χερσαίου άκρου (m)</source>
        <translation>Landward E (m)</translation>
    </message>
    <message>
        <source>Ελάχιστος αριθμός Froude</source>
        <translation>Smallest Froude number</translation>
    </message>
</context>
<context>
    <name>thalmuro::ConditionsTab</name>
    <message>
        <source>E χερσαίου (m)</source>
        <translation>E landward (m)</translation>
    </message>
    <message>
        <source>Fr ελάχ.</source>
        <translation>Fr min.</translation>
    </message>
    <message>
        <source>Fr μέγ.</source>
        <translation>Fr max.</translation>
    </message>
    <message>
        <source>q μέγ. (m³/s)</source>
        <translation>q max. (m³/s)</translation>
    </message>
    <message>
        <source>q ελάχ. (m³/s)</source>
        <translation>q min. (m³/s)</translation>
    </message>
    <message>
        <source>Συνθήκες</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Προσθήκη</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Αφαίρεση</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Προεπιλογές</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Νέα γραμμή κάτω από την επιλεγμένη</source>
        <translation>New row below the selected one</translation>
    </message>
    <message>
        <source>Αφαίρεση των επιλεγμένων γραμμών</source>
        <translation>Remove the selected rows</translation>
    </message>
    <message>
        <source>0,25 έως 1,25 φορές την ολική παροχή του προβλήματος, με το Δρ/ρ του</source>
        <translation>25 % to 125 % of the problem&apos;s total discharge, at its Δρ/ρ</translation>
    </message>
    <message>
        <source>Αποτελέσματα</source>
        <translation>Results</translation>
    </message>
    <message>
        <source> Τα αποτελέσματα αφορούν τον σχεδιασμό μιας προηγούμενης Επίλυσης. Πατήστε «Υπολογισμός» για τον τρέχοντα σχεδιασμό.</source>
        <translation> These results belong to the design of an earlier Solve. Press “Calculate” for the current design.</translation>
    </message>
    <message>
        <source>Υπολογισμός</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Διακοπή</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Εξαγωγή CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Δεν υπάρχουν προεπιλεγμένες συνθήκες: η ολική παροχή ή το Δρ/ρ του προβλήματος δεν διαβάζεται ως αριθμός.</source>
        <translation>No default conditions: the problem&apos;s total discharge or Δρ/ρ does not read as a number.</translation>
    </message>
    <message>
        <source>Υπολογισμός %1 συνθηκών…</source>
        <translation>Calculating %1 conditions…</translation>
    </message>
    <message>
        <source>Διακοπή…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>Ο υπολογισμός διακόπηκε: επιλύθηκαν %1 από %2 συνθήκες.</source>
        <translation>Calculation stopped: %1 of %2 conditions solved.</translation>
    </message>
    <message>
        <source>Επιλύθηκαν και οι %1 συνθήκες.</source>
        <translation>All %1 conditions solved.</translation>
    </message>
    <message>
        <source>Ο κατάλογος των συνθηκών είναι κενός. Προσθέστε τουλάχιστον μία γραμμή ή πατήστε «Προεπιλογές».</source>
        <translation>The list of conditions is empty. Add at least one row or press “Defaults”.</translation>
    </message>
    <message>
        <source>Ο κατάλογος έχει %1 συνθήκες· επιλύονται έως %2 κάθε φορά.</source>
        <translation>The list holds %1 conditions; at most %2 are solved at a time.</translation>
    </message>
    <message>
        <source>η ολική παροχή Q</source>
        <translation>the total discharge Q</translation>
    </message>
    <message>
        <source>το Δρ/ρ</source>
        <translation>Δρ/ρ</translation>
    </message>
    <message>
        <source>Γραμμή %1: δεν δόθηκε %2.</source>
        <translation>Row %1: %2 is not given.</translation>
    </message>
    <message>
        <source>Γραμμή %1: %2 «%3» δεν διαβάζεται ως αριθμός (γράψτε π.χ. %4).</source>
        <translation>Row %1: %2 “%3” does not read as a number (write e.g. %4).</translation>
    </message>
    <message>
        <source>Εξαγωγή CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Πίνακες CSV (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
</context>
<context>
    <name>thalmuro::FileSaving</name>
    <message>
        <source>Φάκελος:</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Όνομα αρχείου:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Τύπος αρχείων:</source>
        <translation>Files of type:</translation>
    </message>
    <message>
        <source>Άκυρο</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Αποθήκευση</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Άνοιγμα</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Το αρχείο «%1» υπάρχει ήδη.
Να αντικατασταθεί;</source>
        <translation>The file “%1” already exists.
Replace it?</translation>
    </message>
    <message>
        <source>Αντικατάσταση</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Ο φάκελος που δόθηκε δεν υπάρχει.</source>
        <translation>The folder given does not exist.</translation>
    </message>
    <message>
        <source>Μέρος της διαδρομής που δόθηκε δεν είναι φάκελος.</source>
        <translation>Part of the path given is not a folder.</translation>
    </message>
    <message>
        <source>Δεν υπάρχει δικαίωμα εγγραφής στο αρχείο ή στον φάκελό του.</source>
        <translation>There is no permission to write the file or its folder.</translation>
    </message>
    <message>
        <source>Το όνομα αυτό ανήκει σε φάκελο και όχι σε αρχείο.</source>
        <translation>This name belongs to a folder, not to a file.</translation>
    </message>
    <message>
        <source>Δεν υπάρχει ελεύθερος χώρος στον δίσκο.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Ο δίσκος επιτρέπει μόνο ανάγνωση.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>Το όνομα του αρχείου είναι πολύ μεγάλο.</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>Το αρχείο ξεπερνά το μέγιστο μέγεθος αρχείου που επιτρέπεται.</source>
        <translation>The file exceeds the largest file size allowed.</translation>
    </message>
    <message>
        <source>Κανένα πρόγραμμα δεν διαβάζει από αυτό το αρχείο.</source>
        <translation>No program is reading from this file.</translation>
    </message>
    <message>
        <source>Το σύστημα δεν έχει τη μετατροπή κειμένου στην κωδικοσελίδα Windows-1253 των αποτελεσμάτων.</source>
        <translation>The system cannot convert text to the Windows-1253 code page of the results.</translation>
    </message>
    <message>
        <source>Το αρχείο δεν ήταν δυνατό να δημιουργηθεί ή να γραφτεί.</source>
        <translation>The file could not be created or written.</translation>
    </message>
    <message>
        <source>Το αρχείο «%1» δεν γράφτηκε.
%2</source>
        <translation>The file “%1” was not written.
%2</translation>
    </message>
    <message>
        <source>Τα αποτελέσματα δεν γράφτηκαν στο αρχείο «%1».
%2</source>
        <translation>The results were not written to the file “%1”.
%2</translation>
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
        <source>Υδραυλική Μηκοτομή</source>
        <translation>Hydraulic profile</translation>
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
        <source>Φορτίο στο ανάντη άκρο</source>
        <translation>Head at the landward end</translation>
    </message>
    <message>
        <source>Φορτίο στο ανάντη άκρο (ανυψωτήρας %1): %2 m</source>
        <translation>Head at the landward end (riser %1): %2 m</translation>
    </message>
    <message>
        <source> ΥΔΡΑΥΛΙΚΗ ΜΗΚΟΤΟΜΗ ΔΙΑΧΥΤΗΡΑ</source>
        <translation> HYDRAULIC PROFILE OF THE DIFFUSER</translation>
    </message>
    <message>
        <source>Απόσταση από το θαλάσσιο άκρο (m)</source>
        <translation>Distance from the seaward end (m)</translation>
    </message>
    <message>
        <source>Φορτίο (m)</source>
        <translation>Head (m)</translation>
    </message>
    <message>
        <source>Γραμμή ενέργειας (E)</source>
        <translation>Energy line (E)</translation>
    </message>
    <message>
        <source>Πιεζομετρική γραμμή (E − V²/2g)</source>
        <translation>Piezometric line (E − V²/2g)</translation>
    </message>
    <message>
        <source>Θέσεις ανυψωτήρων</source>
        <translation>Riser positions</translation>
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
    <name>thalmuro::Messages</name>
    <message>
        <source>Πληροφορία</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>thalmuro::NumberQuestion</name>
    <message>
        <source>Κάποιοι αριθμοί ίσως δεν διαβάζονται όπως εννοήθηκαν. Με τις ρυθμίσεις περιοχής του υπολογιστή η υποδιαστολή είναι το «%1» και το «%2» χωρίζει τις χιλιάδες.

</source>
        <translation>Some numbers may not read as meant. With the computer’s regional settings the decimal separator is “%1” and “%2” separates thousands.

</translation>
    </message>
    <message>
        <source>
… και άλλα %1 πεδία.</source>
        <translation>
… and %1 more boxes.</translation>
    </message>
    <message>
        <source>«Διόρθωση» γράφει στα πεδία τις τιμές με το «%1» ως υποδιαστολή και κάνει την επίλυση. </source>
        <translation>“Correct” writes the values into the boxes with “%1” as the decimal separator and solves. </translation>
    </message>
    <message>
        <source>«Επίλυση ως έχει» κάνει την επίλυση με τις τιμές όπως διαβάζονται. «Άκυρο» επιστρέφει στο πρώτο πεδίο χωρίς επίλυση.</source>
        <translation>“Solve as typed” solves with the values as they read. “Cancel” returns to the first box without solving.</translation>
    </message>
    <message>
        <source>Έλεγχος αριθμών</source>
        <translation>Number check</translation>
    </message>
    <message>
        <source>Διόρθωση</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Επίλυση ως έχει</source>
        <translation>Solve as typed</translation>
    </message>
    <message>
        <source>Άκυρο</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>thalmuro::Program</name>
    <message>
        <source>Έλεγχος Σχεδιασμού</source>
        <translation>Design Checks</translation>
    </message>
</context>
<context>
    <name>thalmuro::ProjectDetailsDialog</name>
    <message>
        <source>Ιδιότητες Έργου</source>
        <translation>Project Properties</translation>
    </message>
    <message>
        <source>Τίτλος:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Μηχανικός:</source>
        <translation>Engineer:</translation>
    </message>
    <message>
        <source>Πελάτης:</source>
        <translation>Client:</translation>
    </message>
    <message>
        <source>Σημειώσεις:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Άκυρο</source>
        <translation>Cancel</translation>
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
    <message>
        <source>Το αρχείο «%1» δεν ανοίχτηκε.</source>
        <translation>The file “%1” was not opened.</translation>
    </message>
    <message>
        <source>Το αρχείο δεν υπάρχει.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Το όνομα αυτό ανήκει σε φάκελο και όχι σε αρχείο.</source>
        <translation>This name belongs to a folder, not to a file.</translation>
    </message>
    <message>
        <source>Δεν υπάρχει δικαίωμα ανάγνωσης του αρχείου.</source>
        <translation>There is no permission to read the file.</translation>
    </message>
    <message>
        <source>Αποθήκευση ως</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Άνοιγμα</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Αρχεία προβλήματος (*.json)</source>
        <translation>Problem files (*.json)</translation>
    </message>
    <message>
        <source>Οι αλλαγές στο νέο πρόβλημα δεν έχουν αποθηκευτεί.
Να αποθηκευτούν;</source>
        <translation>The changes to the new problem have not been saved.
Save them?</translation>
    </message>
    <message>
        <source>Οι αλλαγές στο αρχείο «%1» δεν έχουν αποθηκευτεί.
Να αποθηκευτούν;</source>
        <translation>The changes to the file “%1” have not been saved.
Save them?</translation>
    </message>
    <message>
        <source>Απόρριψη</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Άκυρο</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Το αρχείο «%1» δεν υπάρχει πια και βγήκε από τα πρόσφατα αρχεία.
%2</source>
        <translation>The file “%1” no longer exists and was removed from the recent files.
%2</translation>
    </message>
    <message>
        <source>Το αρχείο «%1» δεν ανοίχτηκε.
%2</source>
        <translation>The file “%1” was not opened.
%2</translation>
    </message>
    <message>
        <source>Οι αριθμοί του αρχείου «%1» είναι γραμμένοι με το «%2» ως υποδιαστολή, ενώ ο υπολογιστής χρησιμοποιεί το «%3»· με τις ρυθμίσεις του υπολογιστή θα διαβάζονταν λάθος.
Το αρχείο δεν σημειώνει σε ποια μορφή γράφτηκε· οι αριθμοί μετατράπηκαν ώστε να έχουν το «%3» ως υποδιαστολή.</source>
        <translation>The numbers of the file “%1” are written with “%2” as the decimal separator, while the computer uses “%3”; with the computer’s settings they would read wrongly.
The file does not record the format it was written in; the numbers were converted to have “%3” as the decimal separator.</translation>
    </message>
    <message>
        <source>Πρόβλημα.json</source>
        <translation>Problem.json</translation>
    </message>
    <message>
        <source>Το πρόβλημα δεν αποθηκεύτηκε στο αρχείο «%1».
%2</source>
        <translation>The problem was not saved to the file “%1”.
%2</translation>
    </message>
    <message>
        <source>Ιδιότητες Έργου…</source>
        <translation>Project Properties…</translation>
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
    <name>thalmuro::ReportFiles</name>
    <message>
        <source>Αρχείο αποτελεσμάτων</source>
        <translation>Results file</translation>
    </message>
    <message>
        <source>Αρχεία κειμένου (*.txt);;Όλα τα αρχεία (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Αναζήτηση…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Αναφορά: %1</source>
        <translation>Report: %1</translation>
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
<context>
    <name>thalmuro::SizingChart</name>
    <message>
        <source>Παροχή κάθε ανυψωτήρα στην παροχή σχεδιασμού Q</source>
        <translation>Discharge of every riser at the design discharge Q</translation>
    </message>
    <message>
        <source>Ανυψωτήρας</source>
        <translation>Riser</translation>
    </message>
    <message>
        <source>Σχεδιασμός ως έχει</source>
        <translation>Design as typed</translation>
    </message>
    <message>
        <source>Πρόταση</source>
        <translation>Proposal</translation>
    </message>
</context>
<context>
    <name>thalmuro::SizingTab</name>
    <message>
        <source>Ανοχή παροχής ανυψωτήρα (± % του Q/N):</source>
        <translation>Riser discharge tolerance (± % of Q/N):</translation>
    </message>
    <message>
        <source>Χαμηλή παροχή Q (m³/s):</source>
        <translation>Low flow Q (m³/s):</translation>
    </message>
    <message>
        <source>Δρ/ρ στη χαμηλή παροχή:</source>
        <translation>Δρ/ρ at the low flow:</translation>
    </message>
    <message>
        <source>Ελάχιστος Froude στη χαμηλή παροχή:</source>
        <translation>Lowest Froude at the low flow:</translation>
    </message>
    <message>
        <source>Μέγιστος Froude στην παροχή σχεδιασμού:</source>
        <translation>Highest Froude at the design discharge:</translation>
    </message>
    <message>
        <source>Λόγος επιφανειών ανυψωτήρων / αγωγού, από:</source>
        <translation>Area ratio of risers to pipe, from:</translation>
    </message>
    <message>
        <source>έως:</source>
        <translation>to:</translation>
    </message>
    <message>
        <source>Γραμμές του πίνακα τμημάτων, έως:</source>
        <translation>Rows of the section table, at most:</translation>
    </message>
    <message>
        <source>Υποψήφιες διάμετροι ανυψωτήρων d (m):</source>
        <translation>Candidate riser diameters d (m):</translation>
    </message>
    <message>
        <source>Διαστασιολόγηση Ανυψωτήρων</source>
        <translation>Riser Sizing</translation>
    </message>
    <message>
        <source>Στόχοι</source>
        <translation>Goals</translation>
    </message>
    <message>
        <source>Λόγος επιφανειών ανυψωτήρων / αγωγού, έως</source>
        <translation>Area ratio of risers to pipe, to</translation>
    </message>
    <message>
        <source>κάθε %1 mm από %2 mm έως το D του τμήματος</source>
        <translation>every %1 mm from %2 mm up to the section&apos;s D</translation>
    </message>
    <message>
        <source>Κενό: κάθε %1 mm από %2 mm έως τη διάμετρο D του αγωγού κάθε τμήματος. Χωρίστε τις διαμέτρους με «;» ή με κενά.</source>
        <translation>Empty: every %1 mm from %2 mm up to the pipe diameter D of each section. Separate the diameters with “;” or spaces.</translation>
    </message>
    <message>
        <source>Προεπιλογές</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Ανοχή %1 %, χαμηλή παροχή %2 Q με το Δρ/ρ του προβλήματος, Froude από %3 έως %4, λόγος επιφανειών από 1/3 έως 2/3, έως %5 γραμμές, όλες οι διάμετροι</source>
        <translation>Tolerance %1 %, low flow %2 Q at the problem&apos;s Δρ/ρ, Froude from %3 to %4, area ratio from 1/3 to 2/3, at most %5 rows, every diameter</translation>
    </message>
    <message>
        <source>Πρόταση</source>
        <translation>Proposal</translation>
    </message>
    <message>
        <source> Τα αποτελέσματα αφορούν τον σχεδιασμό μιας προηγούμενης Επίλυσης. Πατήστε «Υπολογισμός» για τον τρέχοντα σχεδιασμό.</source>
        <translation> The results belong to the design of an earlier Solve. Press “Calculate” for the current design.</translation>
    </message>
    <message>
        <source>Τμήμα</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Ανυψωτήρες</source>
        <translation>Risers</translation>
    </message>
    <message>
        <source>D αγωγού (m)</source>
        <translation>Pipe D (m)</translation>
    </message>
    <message>
        <source>d ως έχει (m)</source>
        <translation>d as typed (m)</translation>
    </message>
    <message>
        <source>d προτεινόμενο (m)</source>
        <translation>d proposed (m)</translation>
    </message>
    <message>
        <source>Διάμετροι ανυψωτήρων ανά τμήμα</source>
        <translation>Riser diameters by section</translation>
    </message>
    <message>
        <source>Σχεδιασμός ως έχει</source>
        <translation>Design as typed</translation>
    </message>
    <message>
        <source>Σύγκριση του σχεδιασμού ως έχει με την πρόταση</source>
        <translation>The design as typed compared with the proposal</translation>
    </message>
    <message>
        <source>Τα μεγέθη προκύπτουν από την εξισορροπημένη πορεία: το qc βρίσκεται με διχοτόμηση ώστε οι ανυψωτήρες να περνούν την ολική παροχή Q, όπως στη διασταύρωση της καρτέλας «Έλεγχοι». Γι&apos; αυτό μπορεί να διαφέρουν λίγο από μια Επίλυση με qc = 0,95 qtotal ή με βελτιστοποίηση της παροχής.</source>
        <translation>The figures come from the balanced march: qc is bisected until the risers pass the total discharge Q, as in the cross-check of the “Checks” tab. They may therefore differ slightly from a Solve with qc = 0.95 qtotal or with the optimised discharge.</translation>
    </message>
    <message>
        <source>Υπολογισμός</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Διακοπή</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Εφαρμογή</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Αναίρεση</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Γράφει το πλήθος τμημάτων και τον πίνακα τμημάτων της πρότασης στο κύριο παράθυρο</source>
        <translation>Writes the proposal&apos;s number of sections and section table into the main window</translation>
    </message>
    <message>
        <source>Επαναφέρει το πλήθος τμημάτων και τον πίνακα τμημάτων του κύριου παραθύρου όπως ήταν πριν από την Εφαρμογή</source>
        <translation>Puts back the main window&apos;s number of sections and section table as they were before Apply</translation>
    </message>
    <message>
        <source>Διαστασιολόγηση… %1 σχέδια εξετάστηκαν</source>
        <translation>Sizing… %1 designs weighed</translation>
    </message>
    <message>
        <source>Διακοπή…</source>
        <translation>Stopping…</translation>
    </message>
    <message>
        <source>Η διαστασιολόγηση διακόπηκε: %1 σχέδια εξετάστηκαν· φαίνεται το καλύτερο ως τότε.</source>
        <translation>The sizing was stopped: %1 designs weighed; the best found until then is shown.</translation>
    </message>
    <message>
        <source>%1 σχέδια εξετάστηκαν.</source>
        <translation>%1 designs weighed.</translation>
    </message>
    <message>
        <source>Η διαστασιολόγηση δεν έγινε.</source>
        <translation>The design was not sized.</translation>
    </message>
    <message>
        <source>Η πρόταση γράφτηκε στο πλήθος τμημάτων και στον πίνακα τμημάτων του κύριου παραθύρου. Πατήστε «Επίλυση» για την αναφορά και τους ελέγχους του νέου σχεδιασμού.</source>
        <translation>The proposal was written into the main window&apos;s number of sections and section table. Press “Solve” for the new design&apos;s report and checks.</translation>
    </message>
    <message>
        <source>Το πλήθος τμημάτων και ο πίνακας τμημάτων του κύριου παραθύρου είναι πάλι όπως πριν από την Εφαρμογή.</source>
        <translation>The main window&apos;s number of sections and section table are again as they were before Apply.</translation>
    </message>
    <message>
        <source>Η διάμετρος «%1» δεν διαβάζεται ως αριθμός· γράψτε π.χ. %2</source>
        <translation>The diameter “%1” does not read as a number; write e.g. %2</translation>
    </message>
    <message>
        <source>Δεν δόθηκε τιμή.</source>
        <translation>No value given.</translation>
    </message>
    <message>
        <source>Δεν διαβάζεται ως αριθμός ή κλάσμα· γράψτε π.χ. %1 ή 1/3</source>
        <translation>Does not read as a number or fraction; write e.g. %1 or 1/3</translation>
    </message>
    <message>
        <source>Δώστε ακέραιο αριθμό, π.χ. %1</source>
        <translation>Enter a whole number, e.g. %1</translation>
    </message>
    <message>
        <source>Δεν διαβάζεται ως αριθμός· γράψτε π.χ. %1</source>
        <translation>Does not read as a number; write e.g. %1</translation>
    </message>
    <message>
        <source>Ο σχεδιασμός δεν διαστασιολογείται: %1.</source>
        <translation>The design cannot be sized: %1.</translation>
    </message>
    <message>
        <source>Η πρόταση ικανοποιεί όλους τους στόχους.</source>
        <translation>The proposal meets every goal.</translation>
    </message>
    <message>
        <source>Η πρόταση ικανοποιεί τους στόχους· κανένας σχεδιασμός που τους ικανοποιεί δεν ικανοποιεί και την προτίμηση. %1.</source>
        <translation>The proposal meets the goals; no design that meets them also meets the preference. %1.</translation>
    </message>
    <message>
        <source>Κανένας σχεδιασμός δεν ικανοποιεί όλους τους στόχους· προτείνεται ο πλησιέστερος. %1.</source>
        <translation>No design meets every goal; the closest is proposed. %1.</translation>
    </message>
    <message>
        <source>Μέγιστη απόκλιση από Q/N (%)</source>
        <translation>Largest departure from Q/N (%)</translation>
    </message>
    <message>
        <source>Froude στο Q σχεδιασμού, ελάχ. – μέγ.</source>
        <translation>Froude at the design Q, lowest – highest</translation>
    </message>
    <message>
        <source>Froude στη χαμηλή παροχή, ελάχ. – μέγ.</source>
        <translation>Froude at the low flow, lowest – highest</translation>
    </message>
    <message>
        <source>Λόγος επιφανειών ανυψωτήρων / αγωγού</source>
        <translation>Area ratio of risers to pipe</translation>
    </message>
    <message>
        <source>Ενέργεια στο χερσαίο άκρο (m)</source>
        <translation>Head at the landward end (m)</translation>
    </message>
    <message>
        <source>Διασταύρωση με την κλασική μέθοδο</source>
        <translation>Cross-check by the classical method</translation>
    </message>
    <message>
        <source>Έλεγχοι με προειδοποίηση στο Q σχεδιασμού</source>
        <translation>Checks that warn at the design Q</translation>
    </message>
    <message>
        <source>Έλεγχοι με προειδοποίηση στη χαμηλή παροχή</source>
        <translation>Checks that warn at the low flow</translation>
    </message>
    <message>
        <source>Η διάμετρος ανυψωτήρα κάποιου τμήματος δεν διαβάζεται ως αριθμός</source>
        <translation>A section&apos;s riser diameter does not read as a number</translation>
    </message>
    <message>
        <source>Κανένας</source>
        <translation>None</translation>
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
        <source>Author:
the Thalmuro project</source>
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
        <source>About</source>
        <translation>About</translation>
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
