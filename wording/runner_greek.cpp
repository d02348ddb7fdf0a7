// The runner's own texts in Greek. Options, their values, file names and the keys of the JSON
// output are the program's names and stay as they are typed.

#include "catalogues.h"

namespace thalmuro::greek {

std::string_view runnerText(RunnerText text) {
    switch (text) {
        case RunnerText::usage:
            return "χρήση: thalmuro-cli [--language el|en] [--locale ΟΝΟΜΑ] [--max-passes Ν] "
                   "ΠΡΟΒΛΗΜΑ.json ΑΝΑΦΟΡΑ.txt\n"
                   "       thalmuro-cli --checks [--format text|json] [--language el|en] "
                   "[--locale ΟΝΟΜΑ]\n"
                   "                    [--max-passes Ν] ΠΡΟΒΛΗΜΑ.json\n"
                   "       thalmuro-cli --conditions ΣΥΝΘΗΚΕΣ [--language el|en] "
                   "[--locale ΟΝΟΜΑ] [--max-passes Ν]\n"
                   "                    ΠΡΟΒΛΗΜΑ.json\n"
                   "       thalmuro-cli --size-risers [--tolerance Π] [--low-flow ΣΥΝΘΗΚΗ] "
                   "[--diameters ΛΙΣΤΑ]\n"
                   "                    [--format text|json] [--write ΝΕΟ.json] [--language "
                   "el|en]\n"
                   "                    [--locale ΟΝΟΜΑ] ΠΡΟΒΛΗΜΑ.json\n";
        case RunnerText::help:
            return "Λύνει το πρόβλημα διαχυτήρα που είναι αποθηκευμένο στο ΠΡΟΒΛΗΜΑ.json και "
                   "γράφει\n"
                   "την αναφορά αποτελεσμάτων στο ΑΝΑΦΟΡΑ.txt, όπως η εντολή επίλυσης του κύριου "
                   "παραθύρου.\n"
                   "Με --checks το λύνει με τον ίδιο τρόπο και τυπώνει τους ελέγχους σχεδιασμού "
                   "αντί για\n"
                   "αναφορά. Με --conditions το λύνει σε κάθε συνθήκη λειτουργίας των ΣΥΝΘΗΚΩΝ "
                   "και τυπώνει\n"
                   "τον πίνακά τους.\n"
                   "\n"
                   "  --checks       τυπώνει τους ελέγχους σχεδιασμού: για κάθε έλεγχο τίτλο, "
                   "κανόνα,\n"
                   "                 όριο και πηγή, κρίση (ικανοποιείται, προειδοποίηση, δεν "
                   "κρίνεται),\n"
                   "                 τιμές και τους ανυψωτήρες ή τα τμήματα που αφορά· ένας "
                   "έλεγχος Froude\n"
                   "                 που δεν μπόρεσε να χρησιμοποιήσει τα μεγέθη του "
                   "υπολογισμού εκτιμάται\n"
                   "                 από το μερίδιο Q/N κάθε ανυψωτήρα και το λέει στη "
                   "«βάση». Όταν ο\n"
                   "                 υπολογισμός δεν μπόρεσε να βρει την παροχή κάποιων "
                   "ανυψωτήρων\n"
                   "                 (στόμια καμπάνας σε μικρή παροχή), ένα τμήμα πριν από "
                   "τους ελέγχους\n"
                   "                 λέει γιατί και τι να αλλάξει. Ακολουθεί η διασταύρωση: "
                   "ο σχεδιασμός\n"
                   "                 εξισορροπημένος όπως υπολογίζει το πρόγραμμα και με την "
                   "κλασική\n"
                   "                 μέθοδο των στομίων, με προειδοποίηση όταν η ενέργεια "
                   "στο χερσαίο άκρο\n"
                   "                 κατά την κλασική μέθοδο είναι πάνω από 5 % μεγαλύτερη\n"
                   "  --conditions ΣΥΝΘΗΚΕΣ\n"
                   "                 λύνει το πρόβλημα με τα Q και Δρ/ρ (τη σχετική διαφορά "
                   "πυκνότητας)\n"
                   "                 κάθε συνθήκης των ΣΥΝΘΗΚΩΝ, σε όλους τους πυρήνες, και "
                   "τυπώνει πίνακα\n"
                   "                 CSV με μία γραμμή ανά συνθήκη: Q, Δρ/ρ, qc, ΣQ, e, την "
                   "ενέργεια στο\n"
                   "                 χερσαίο άκρο, τον μικρότερο και τον μεγαλύτερο αριθμό "
                   "Froude, τη\n"
                   "                 μεγαλύτερη και τη μικρότερη παροχή ανυψωτήρα, την κρίση "
                   "κάθε ελέγχου\n"
                   "                 και το πλήθος των βημάτων που παραλείφθηκαν (μετρώντας "
                   "κάθε\n"
                   "                 επανάληψη), με επικεφαλίδες στη γλώσσα του --language.\n"
                   "                 Τα πεδία χωρίζονται με «;» όταν το δεκαδικό "
                   "διαχωριστικό είναι το\n"
                   "                 κόμμα, αλλιώς με «,»· οι γραμμές τελειώνουν σε CR LF.\n"
                   "                 Οι ΣΥΝΘΗΚΕΣ είναι ένα ή δύο μέρη χωρισμένα με «;»: "
                   "Q=ΛΙΣΤΑ και\n"
                   "                 drho=ΛΙΣΤΑ. Η ΛΙΣΤΑ είναι στοιχεία χωρισμένα με «,», "
                   "καθένα αριθμός\n"
                   "                 (πάντα με «.» ως υποδιαστολή), αριθμός ακολουθούμενος "
                   "από x\n"
                   "                 (πολλαπλάσιο της τιμής του ίδιου του προβλήματος) ή "
                   "ΑΠΟ..ΕΩΣ/ΠΛΗΘΟΣ\n"
                   "                 (ΠΛΗΘΟΣ τιμές σε ίσες αποστάσεις, μαζί με τα άκρα). Κάθε "
                   "Q συνδυάζεται\n"
                   "                 με κάθε Δρ/ρ· χωρίς Q= το Q είναι "
                   "0.25x,0.5x,0.75x,1x,1.25x· χωρίς\n"
                   "                 drho= το Δρ/ρ είναι 1x. Το πολύ 10000 συνθήκες, κάθε τιμή "
                   "θετική.\n"
                   "                 Παράδειγμα: --conditions \"Q=0.1..0.5/5;drho=0.025,0.03\" "
                   "δίνει δέκα\n"
                   "                 συνθήκες\n"
                   "  --size-risers  προτείνει τις διαμέτρους των ανυψωτήρων: μία ανά τμήμα, "
                   "με το τμήμα\n"
                   "                 χωρισμένο σε ομάδες διαδοχικών ανυψωτήρων όπου το "
                   "επιτρέπουν οι 30\n"
                   "                 γραμμές του πίνακα, ώστε κάθε ανυψωτήρας να δίνει Q/N "
                   "εντός της ανοχής,\n"
                   "                 ο πυκνομετρικός αριθμός Froude κάθε ανυψωτήρα να είναι "
                   "τουλάχιστον 1\n"
                   "                 στη χαμηλή παροχή και η συνολική επιφάνεια των "
                   "ανυψωτήρων από 1/3 έως\n"
                   "                 2/3 της επιφάνειας του αγωγού στον ανυψωτήρα N, με τη "
                   "μικρότερη ενέργεια\n"
                   "                 στο χερσαίο άκρο, προτιμώντας Fr το πολύ 10 στην παροχή "
                   "σχεδιασμού.\n"
                   "                 Κάθε σχέδιο εξισορροπείται με διχοτόμηση του qc όπως "
                   "στη διασταύρωση,\n"
                   "                 σε όλους τους πυρήνες. Τυπώνει τους στόχους, τη "
                   "διάμετρο κάθε τμήματος\n"
                   "                 τώρα και την προτεινόμενη, και τον σχεδιασμό όπως "
                   "δόθηκε δίπλα στην\n"
                   "                 πρόταση: κάθε στόχο, τους αριθμούς Froude στις δύο "
                   "παροχές, τον λόγο\n"
                   "                 επιφανειών, την ενέργεια στο χερσαίο άκρο, τους ελέγχους "
                   "σχεδιασμού και\n"
                   "                 τη διασταύρωση. Όταν καμία επιλογή δεν ικανοποιεί όλους "
                   "τους στόχους,\n"
                   "                 αυτή που πλησιάζει περισσότερο και πόσο απέχει κάθε "
                   "στόχος\n"
                   "  --tolerance Π  με --size-risers: η ανοχή των παροχών των ανυψωτήρων σε % "
                   "του Q/N,\n"
                   "                 πάνω από 0 και κάτω από 100 (προεπιλογή 5)\n"
                   "  --low-flow ΣΥΝΘΗΚΗ\n"
                   "                 με --size-risers: η χαμηλότερη συνθήκη λειτουργίας, μία "
                   "συνθήκη όπως\n"
                   "                 τη διαβάζει το --conditions: «0.25x» (η προεπιλογή: 0,25 "
                   "Q στο Δρ/ρ του\n"
                   "                 προβλήματος), «0.02» ή «Q=0.02;drho=0.025»\n"
                   "  --diameters ΛΙΣΤΑ\n"
                   "                 με --size-risers: οι υποψήφιες διάμετροι ανυψωτήρων σε "
                   "m, χωρισμένες\n"
                   "                 με «,» («0.1,0.125,0.15»)· αλλιώς ανά 5 mm από 25 mm έως "
                   "τη διάμετρο\n"
                   "                 του αγωγού κάθε τμήματος\n"
                   "  --write ΝΕΟ.json\n"
                   "                 με --size-risers: γράφει και το πρόβλημα με τον "
                   "προτεινόμενο πίνακα\n"
                   "                 τμημάτων στο ΝΕΟ.json\n"
                   "  --format ΟΝΟΜΑ με --checks ή --size-risers: text (το προεπιλεγμένο) ή "
                   "json\n"
                   "  --language ΟΝΟΜΑ\n"
                   "                 γράφει τα μηνύματα, τους ελέγχους και τις επικεφαλίδες "
                   "του πίνακα στα\n"
                   "                 αγγλικά (en, το προεπιλεγμένο) ή στα ελληνικά (el)· το "
                   "JSON του\n"
                   "                 --format json είναι ίδιο και στις δύο\n"
                   "  --locale ΟΝΟΜΑ διαβάζει και γράφει τους αριθμούς στη μορφή της περιοχής "
                   "ΟΝΟΜΑ\n"
                   "                 (el_GR, en_US, C, POSIX, ...)· αλλιώς στη μορφή που "
                   "γράφει το\n"
                   "                 ΠΡΟΒΛΗΜΑ.json στο κλειδί \"decimal_separator\", αλλιώς "
                   "στις τοπικές\n"
                   "                 ρυθμίσεις του χρήστη (LC_ALL, μετά LC_NUMERIC, μετά LANG). "
                   "Κάθε αριθμός\n"
                   "                 του κειμένου γράφεται σε αυτή τη μορφή· το JSON κρατά τη "
                   "δική του\n"
                   "  --max-passes Ν σταματά την εξισορρόπηση της βέλτιστης ροής μετά από Ν "
                   "επαναλήψεις\n"
                   "                 και γράφει την αναφορά της τελευταίας (προεπιλογή "
                   "1000000)· με\n"
                   "                 --conditions η εξισορρόπηση κάθε συνθήκης σταματά μετά "
                   "από Ν\n"
                   "                 επαναλήψεις και η γραμμή της είναι της τελευταίας\n"
                   "  -h, --help     δείχνει αυτή τη βοήθεια και τελειώνει\n"
                   "  --version      δείχνει την έκδοση του προγράμματος και τελειώνει\n"
                   "\n"
                   "Οι αριθμοί που ίσως δεν διαβάζονται όπως εννοήθηκαν λέγονται πρώτοι στο "
                   "τυπικό σφάλμα,\n"
                   "μία προειδοποίηση ο καθένας: διαχωριστικό χιλιάδων εκεί όπου δεν "
                   "ομαδοποιούνται χιλιάδες\n"
                   "(το «0.105» διαβάζεται 105 όπου η «.» χωρίζει χιλιάδες, το «0,2» διαβάζεται "
                   "2 όπου το\n"
                   "κάνει το «,»), με την τιμή που θα έδινε το άλλο διαχωριστικό, ή τιμή έξω "
                   "από το εύλογο\n"
                   "εύρος του μεγέθους της (αριθμός Manning 15, Q 30 m³/s). Η επίλυση συνεχίζει "
                   "με τους\n"
                   "αριθμούς όπως διαβάζονται. Με --format json τυπώνονται και στο κλειδί\n"
                   "\"number_findings\".\n"
                   "Τα βήματα που δεν υπολογίστηκαν λέγονται στο τυπικό σφάλμα ως "
                   "προειδοποιήσεις, μία\n"
                   "γραμμή ανά αιτία: το πλαίσιο, η γραμμή τμήματος ή οι ανυψωτήρες που "
                   "φταίνε, γιατί, και\n"
                   "ποια μεγέθη κράτησαν τις τιμές προηγούμενης επίλυσης. Με --format json οι "
                   "αιτίες\n"
                   "τυπώνονται και στο κλειδί \"skipped_causes\". Με --conditions μία "
                   "προειδοποίηση μετρά\n"
                   "τις συνθήκες που παρέλειψαν βήματα. Μια μακριά εξισορρόπηση ή μια μακριά "
                   "λίστα συνθηκών\n"
                   "δείχνει την πρόοδό της στο τυπικό σφάλμα όταν αυτό είναι τερματικό.\n"
                   "Κατάσταση εξόδου: 0 γράφτηκε η αναφορά (με --checks: τυπώθηκαν οι "
                   "έλεγχοι· με\n"
                   "--conditions: τυπώθηκε ο πίνακας), 1 το πρόβλημα δεν διαβάστηκε ή η "
                   "αναφορά δεν\n"
                   "γράφτηκε (με --size-risers: ο σχεδιασμός δεν διαστασιολογείται ή το "
                   "ΝΕΟ.json δεν\n"
                   "γράφτηκε), 2 λάθος χρήση (και ΣΥΝΘΗΚΕΣ που δεν διαβάζονται), 3 η "
                   "εξισορρόπηση σταμάτησε\n"
                   "στο --max-passes (γράφτηκε η αναφορά της τελευταίας επανάληψης ή τυπώθηκαν "
                   "οι έλεγχοί\n"
                   "της ή ο πίνακας), 4 με --size-risers: καμία επιλογή δεν ικανοποιεί όλους "
                   "τους στόχους\n"
                   "(τυπώθηκε αυτή που πλησιάζει περισσότερο, και γράφτηκε με --write).\n";
        case RunnerText::conditions_needs_list:
            return "το --conditions θέλει λίστα συνθηκών";
        case RunnerText::format_needs_name:
            return "το --format θέλει text ή json";
        case RunnerText::format_unknown:
            return "το --format δέχεται text ή json, όχι «%1»";
        case RunnerText::language_needs_name:
            return "το --language θέλει el ή en";
        case RunnerText::language_unknown:
            return "το --language δέχεται el ή en, όχι «%1»";
        case RunnerText::locale_needs_name:
            return "το --locale θέλει όνομα τοπικών ρυθμίσεων";
        case RunnerText::locale_unknown:
            return "άγνωστες τοπικές ρυθμίσεις «%1»";
        case RunnerText::max_passes_needs_count:
            return "το --max-passes θέλει πλήθος επαναλήψεων";
        case RunnerText::max_passes_unknown:
            return "το --max-passes δέχεται ακέραιο από 1 έως %1, όχι «%2»";
        case RunnerText::option_unknown:
            return "άγνωστη επιλογή %1";
        case RunnerText::format_without_checks:
            return "το --format πάει μαζί με το --checks ή το --size-risers";
        case RunnerText::checks_with_conditions:
            return "τα --checks και --conditions δεν πάνε μαζί";
        case RunnerText::file_name_missing:
            return "λείπει όνομα αρχείου";
        case RunnerText::file_names_too_many:
            return "πάρα πολλά ονόματα αρχείων";
        case RunnerText::report_name_empty:
            return "το όνομα του αρχείου της αναφοράς είναι κενό";
        case RunnerText::conditions_fault:
            return "--conditions: %1";
        case RunnerText::cannot_write_report:
            return "η αναφορά «%1» δεν γράφτηκε: %2";
        case RunnerText::cannot_write_checks:
            return "οι έλεγχοι δεν γράφτηκαν";
        case RunnerText::cannot_write_conditions:
            return "ο πίνακας των συνθηκών δεν γράφτηκε";
        case RunnerText::internal_error:
            return "εσωτερικό σφάλμα: %1";
        case RunnerText::warning:
            return "προειδοποίηση: %1";
        case RunnerText::balancing_progress:
            return "εξισορρόπηση, %1 επαναλήψεις";
        case RunnerText::conditions_progress:
            return "συνθήκες, λύθηκαν %1 από %2";
        case RunnerText::balancing_stopped:
            return "η εξισορρόπηση σταμάτησε στο όριο των %1 επαναλήψεων: qc = %2 m³/s, οι "
                   "ανυψωτήρες δίνουν %3 m³/s έναντι Q = %4 m³/s· η αναφορά είναι της "
                   "τελευταίας επανάληψης";
        case RunnerText::condition_stopped:
            return "συνθήκη %1 (Q = %2 m³/s, Δρ/ρ = %3): η εξισορρόπηση σταμάτησε στο όριο των "
                   "%4 επαναλήψεων· η γραμμή της είναι της τελευταίας επανάληψης";
        case RunnerText::conditions_skipping:
            return "παραλείφθηκαν βήματα σε %1 από τις %2 συνθήκες (στήλη «%3»)";
        case RunnerText::label_rule:
            return "κανόνας";
        case RunnerText::label_threshold:
            return "όριο";
        case RunnerText::label_source:
            return "πηγή";
        case RunnerText::label_verdict:
            return "κρίση";
        case RunnerText::label_basis:
            return "βάση";
        case RunnerText::label_values:
            return "τιμές";
        case RunnerText::label_risers:
            return "ανυψωτήρες";
        case RunnerText::label_sections:
            return "τμήματα";
        case RunnerText::label_why:
            return "αιτία";
        case RunnerText::label_change:
            return "αλλαγή";
        case RunnerText::label_program:
            return "πρόγραμμα";
        case RunnerText::label_classical:
            return "κλασική";
        case RunnerText::label_difference:
            return "διαφορά";
        case RunnerText::basis_estimate:
            return "εκτίμηση: το μερίδιο Q/N κάθε ανυψωτήρα, χωρίς τον υπολογισμό";
        case RunnerText::bounds_between:
            return "από %1 έως %2";
        case RunnerText::bounds_at_least:
            return "τουλάχιστον %1";
        case RunnerText::bounds_at_most:
            return "το πολύ %1";
        case RunnerText::bounds_none:
            return "κανένα (πληροφοριακός έλεγχος)";
        case RunnerText::cross_check_title:
            return "ενέργεια στο χερσαίο άκρο με την κλασική μέθοδο των στομίων";
        case RunnerText::cross_check_rule:
            return "η ενέργεια στο χερσαίο άκρο με το X από την παροχή του αγωγού σε κάθε "
                   "ανυψωτήρα (η κλασική μέθοδος ροής από στόμια) το πολύ κατά το όριο πάνω από "
                   "την ενέργεια στο χερσαίο άκρο όπως υπολογίζει το πρόγραμμα, με το X από την "
                   "παροχή κάθε ανυψωτήρα· και οι δύο υπολογισμοί εξισορροπούνται με διχοτόμηση "
                   "του qc ώσπου οι ανυψωτήρες να δίνουν το Q με ακρίβεια 1e-9";
        case RunnerText::march_balanced:
            return "εξισορροπήθηκε σε %1 υπολογισμούς: qc %2 m³/s· άθροισμα παροχών %3 m³/s· "
                   "ενέργεια στο χερσαίο άκρο %4 m· παροχές ανυψωτήρων από %5 (ανυψωτήρας %6) "
                   "έως %7 (ανυψωτήρας %8) m³/s· μικρότερος αριθμός Froude %9 (ανυψωτήρας %10)";
        case RunnerText::march_unbalanced:
            return "δεν εξισορροπήθηκε σε %1 υπολογισμούς: %2";
        case RunnerText::sizing_option_alone:
            return "το %1 πάει μαζί με το --size-risers";
        case RunnerText::sizing_with_checks:
            return "το --size-risers δεν πάει μαζί με τα --checks ή --conditions";
        case RunnerText::tolerance_needs_value:
            return "το --tolerance χρειάζεται ποσοστό";
        case RunnerText::tolerance_unknown:
            return "το --tolerance δέχεται ποσοστό πάνω από 0 και κάτω από 100 γραμμένο με "
                   "«.», όχι «%1»";
        case RunnerText::low_flow_needs_spec:
            return "το --low-flow χρειάζεται μια συνθήκη";
        case RunnerText::low_flow_fault:
            return "--low-flow: %1";
        case RunnerText::low_flow_not_one:
            return "το --low-flow ορίζει %1 συνθήκες· δέχεται μία";
        case RunnerText::diameters_needs_list:
            return "το --diameters χρειάζεται λίστα διαμέτρων";
        case RunnerText::diameters_unknown:
            return "το --diameters δέχεται θετικές διαμέτρους σε m γραμμένες με «.» και "
                   "χωρισμένες με «,», όχι «%1»";
        case RunnerText::write_needs_name:
            return "το --write χρειάζεται όνομα αρχείου";
        case RunnerText::cannot_size:
            return "οι ανυψωτήρες δεν διαστασιολογούνται: %1";
        case RunnerText::cannot_write_sizing:
            return "η διαστασιολόγηση δεν γράφτηκε";
        case RunnerText::cannot_write_problem:
            return "το πρόβλημα «%1» δεν γράφτηκε: %2";
        case RunnerText::sizing_progress:
            return "διαστασιολόγηση, εξετάστηκαν %1 σχέδια, περίπου %2 % της αναζήτησης";
        case RunnerText::problem_written:
            return "ο σχεδιασμός με τις προτεινόμενες διαμέτρους ανυψωτήρων γράφτηκε στο «%1»";
        case RunnerText::sizing_title:
            return "διαστασιολόγηση ανυψωτήρων: εξετάστηκαν %1 σχέδια";
        case RunnerText::sizing_stopped:
            return "η αναζήτηση διακόπηκε: η καλύτερη επιλογή ως τότε";
        case RunnerText::sizing_goals_met:
            return "η πρόταση ικανοποιεί όλους τους στόχους";
        case RunnerText::sizing_preference_missed:
            return "η πρόταση ικανοποιεί τους στόχους· καμία επιλογή που τους ικανοποιεί δεν "
                   "κρατά το Fr κάτω από το άνω όριο στην παροχή σχεδιασμού";
        case RunnerText::sizing_goals_missed:
            return "καμία επιλογή δεν ικανοποιεί όλους τους στόχους· προτείνεται αυτή που "
                   "πλησιάζει περισσότερο";
        case RunnerText::label_goals:
            return "στόχοι";
        case RunnerText::label_current:
            return "σχεδιασμός όπως δόθηκε";
        case RunnerText::label_proposal:
            return "πρόταση";
        case RunnerText::label_diameter_now:
            return "διάμετρος ανυψωτήρα τώρα";
        case RunnerText::label_spread:
            return "μέγιστη απόκλιση από Q/N";
        case RunnerText::label_froude_design:
            return "Fr στην παροχή σχεδιασμού";
        case RunnerText::label_froude_low:
            return "Fr στη χαμηλή παροχή";
        case RunnerText::label_area_ratio:
            return "λόγος επιφανειών";
        case RunnerText::label_landward_head:
            return "ενέργεια στο χερσαίο άκρο";
        case RunnerText::label_checks:
            return "έλεγχοι σχεδιασμού";
        case RunnerText::label_cross_check:
            return "διασταύρωση";
        case RunnerText::sizing_section:
            return "τμήμα %1, ανυψωτήρες %2, D = %3 m";
        case RunnerText::sizing_run:
            return "%1 m (ανυψωτήρες %2)";
        case RunnerText::unreadable:
            return "δεν διαβάζεται";
        case RunnerText::not_balanced:
            return "δεν εξισορροπήθηκε";
        case RunnerText::checks_hold:
            return "όλοι οι έλεγχοι ικανοποιούνται";
        case RunnerText::checks_warning:
            return "προειδοποιήσεις: %1";
        case RunnerText::figures_between:
            return "%1 έως %2";
    }
    return {};
}

std::string writeFailure(std::error_code error) {
    // The comparisons with std::errc hold whatever category the engine reports the error in.
    if (error == std::errc::no_such_file_or_directory) return "ο φάκελος δεν υπάρχει";
    if (error == std::errc::not_a_directory) return "μέρος της διαδρομής δεν είναι φάκελος";
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        return "δεν υπάρχει δικαίωμα εγγραφής στο αρχείο ή στον φάκελό του";
    }
    if (error == std::errc::is_a_directory) return "το όνομα ανήκει σε φάκελο";
    if (error == std::errc::no_space_on_device) return "δεν υπάρχει ελεύθερος χώρος στον δίσκο";
    if (error == std::errc::read_only_file_system) return "ο δίσκος επιτρέπει μόνο ανάγνωση";
    if (error == std::errc::filename_too_long) return "το όνομα του αρχείου είναι πολύ μεγάλο";
    if (error == std::errc::file_too_large) {
        return "το αρχείο ξεπερνά το μέγιστο μέγεθος αρχείου που επιτρέπεται";
    }
    if (error == std::errc::no_such_device_or_address) {
        return "κανένα πρόγραμμα δεν διαβάζει από αυτό το αρχείο";
    }
    if (error == EngineError::no_converter) {
        return "το σύστημα δεν έχει τη μετατροπή κειμένου στην κωδικοσελίδα Windows-1253";
    }
    return "το αρχείο δεν ήταν δυνατό να δημιουργηθεί ή να γραφτεί";
}

}  // namespace thalmuro::greek
