<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="el">
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
</TS>
