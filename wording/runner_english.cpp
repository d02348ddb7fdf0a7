// The runner's own texts in English.

#include "catalogues.h"

namespace thalmuro::english {

std::string_view runnerText(RunnerText text) {
    switch (text) {
        case RunnerText::usage:
            return "usage: thalmuro-cli [--language el|en] [--locale NAME] [--max-passes N] "
                   "PROBLEM.json REPORT.txt\n"
                   "       thalmuro-cli --checks [--format text|json] [--language el|en] "
                   "[--locale NAME]\n"
                   "                    [--max-passes N] PROBLEM.json\n"
                   "       thalmuro-cli --conditions SPEC [--language el|en] [--locale NAME] "
                   "[--max-passes N]\n"
                   "                    PROBLEM.json\n"
                   "       thalmuro-cli --size-risers [--tolerance P] [--low-flow SPEC] "
                   "[--diameters LIST]\n"
                   "                    [--format text|json] [--write NEW.json] [--language "
                   "el|en]\n"
                   "                    [--locale NAME] PROBLEM.json\n";
        case RunnerText::help:
            return "Solves the diffuser problem saved in PROBLEM.json and writes its results "
                   "report to\n"
                   "REPORT.txt, as the Solve command of the main window does. With --checks, "
                   "solves it the\n"
                   "same way and prints the design checks of the solved problem instead of "
                   "writing a report.\n"
                   "With --conditions, solves it at every operating condition of SPEC and "
                   "prints their table.\n"
                   "\n"
                   "  --checks       print the design checks: one block per check with its "
                   "title, rule,\n"
                   "                 threshold and source, verdict (holds, warning, not "
                   "judged), values and\n"
                   "                 the risers or sections concerned; a Froude check that "
                   "could not use\n"
                   "                 the march's figures is estimated from each riser's share "
                   "Q/N and says\n"
                   "                 so under \"basis\". When the march could not compute the "
                   "discharge\n"
                   "                 of some risers (a bell-mouth design at low flow), a block "
                   "before the\n"
                   "                 checks says why and what to change. Then the cross-check: "
                   "the design\n"
                   "                 balanced as the program marches and by the classical port "
                   "formulation,\n"
                   "                 a warning when the classical landward head is more than 5 "
                   "% higher\n"
                   "  --conditions SPEC\n"
                   "                 solve the problem with its Q and drho (the relative "
                   "density difference)\n"
                   "                 replaced by every condition of SPEC, on all cores, and "
                   "print a CSV table\n"
                   "                 with one line per condition: Q, drho, qc, Qcalc, e, the "
                   "landward head,\n"
                   "                 the lowest and highest Froude number, the largest and "
                   "smallest riser\n"
                   "                 discharge, the verdict of every design check and the "
                   "number of\n"
                   "                 skipped steps (every repeat counted), under a header in "
                   "the language\n"
                   "                 of --language.\n"
                   "                 Fields are separated by \";\" when the decimal separator "
                   "is a comma,\n"
                   "                 else by \",\"; lines end in CR LF.\n"
                   "                 SPEC is one or two parts separated by \";\": Q=LIST and "
                   "drho=LIST.\n"
                   "                 LIST is items separated by \",\", each a number (always "
                   "with \".\" as\n"
                   "                 the decimal point), a number followed by x (a multiple of "
                   "the problem's\n"
                   "                 own value), or FROM..TO/COUNT (COUNT evenly spaced values, "
                   "ends\n"
                   "                 included). Every Q goes with every drho; without Q=, Q "
                   "is\n"
                   "                 0.25x,0.5x,0.75x,1x,1.25x; without drho=, drho is 1x. At "
                   "most 10000\n"
                   "                 conditions, every value positive. Example:\n"
                   "                 --conditions \"Q=0.1..0.5/5;drho=0.025,0.03\" gives ten "
                   "conditions\n"
                   "  --size-risers  propose the riser diameters: one per section, a section "
                   "split into\n"
                   "                 runs of consecutive risers where the table's 30 rows "
                   "allow, such that\n"
                   "                 every riser passes Q/N within the tolerance, every "
                   "riser's densimetric\n"
                   "                 Froude number is at least 1 at the low flow and the "
                   "risers' total area\n"
                   "                 lies within 1/3 to 2/3 of the pipe's area at riser N, "
                   "with the lowest\n"
                   "                 landward head, preferring Fr at most 10 at the design Q. "
                   "Each design\n"
                   "                 is balanced by bisection on qc as the cross-check does, "
                   "on all cores.\n"
                   "                 Prints the goals, each section's diameter now and "
                   "proposed, and the\n"
                   "                 design as typed beside the proposal: each goal, the "
                   "Froude numbers at\n"
                   "                 both flows, the area ratio, the landward head, the design "
                   "checks and\n"
                   "                 the cross-check. When no choice meets every goal, the "
                   "closest one and\n"
                   "                 how far each goal misses\n"
                   "  --tolerance P  with --size-risers: the tolerance of the riser discharges "
                   "in % of Q/N,\n"
                   "                 above 0 and below 100 (default 5)\n"
                   "  --low-flow SPEC\n"
                   "                 with --size-risers: the lowest operating condition, one "
                   "condition as\n"
                   "                 --conditions reads it: \"0.25x\" (the default: 0.25 Q at "
                   "the problem's\n"
                   "                 drho), \"0.02\" or \"Q=0.02;drho=0.025\"\n"
                   "  --diameters LIST\n"
                   "                 with --size-risers: the candidate riser diameters in m, "
                   "separated by\n"
                   "                 \",\" (\"0.1,0.125,0.15\"); by default every 5 mm from 25 "
                   "mm up to each\n"
                   "                 section's pipe diameter\n"
                   "  --write NEW.json\n"
                   "                 with --size-risers: also save the problem with the "
                   "proposed section\n"
                   "                 table as NEW.json\n"
                   "  --format NAME  with --checks or --size-risers: text (the default) or "
                   "json\n"
                   "  --language NAME\n"
                   "                 write the messages, the checks and the table's header in "
                   "English (en,\n"
                   "                 the default) or Greek (el); the JSON of --format json is "
                   "the same in\n"
                   "                 both\n"
                   "  --locale NAME  read and write numbers in the regional format NAME (el_GR, "
                   "en_US, C,\n"
                   "                 POSIX, ...); by default the format PROBLEM.json records "
                   "with its key\n"
                   "                 \"decimal_separator\", else the user's regional settings "
                   "(LC_ALL,\n"
                   "                 then LC_NUMERIC, then LANG). Every number of the text "
                   "output is\n"
                   "                 written in that format; JSON keeps its own\n"
                   "  --max-passes N stop the balancing of the optimised flow mode after N "
                   "passes and\n"
                   "                 write the report of the last pass (default 1000000); "
                   "with\n"
                   "                 --conditions, the balancing of each condition stops after "
                   "N passes\n"
                   "                 and its line is that of its last pass\n"
                   "  -h, --help     show this help and exit\n"
                   "  --version      show the program's version and exit\n"
                   "\n"
                   "Numbers that may not read as meant are told on standard error first, one "
                   "warning each:\n"
                   "a grouping character where no thousands grouping stands (\"0.105\" reads "
                   "105 where \".\"\n"
                   "groups thousands, \"0,2\" reads 2 where \",\" does), with the value the "
                   "other separator\n"
                   "would give, or a value outside the plausible range of its quantity (a "
                   "Manning number of\n"
                   "15, a Q of 30 m³/s). The run goes on with the numbers as they read. With "
                   "--format json\n"
                   "they are also printed under the key \"number_findings\".\n"
                   "Steps that could not be computed are told on standard error as warnings, "
                   "one line per\n"
                   "cause: the box, the section row or the risers at fault, why, and which "
                   "figures kept the\n"
                   "values of an earlier Solve. With --format json the causes are also printed "
                   "under the key\n"
                   "\"skipped_causes\". With --conditions, one warning counts the conditions "
                   "that skipped\n"
                   "steps. A long balancing, or a long list of conditions, shows its progress "
                   "on standard\n"
                   "error when that is a terminal.\n"
                   "Exit status: 0 the report was written (with --checks: the checks were "
                   "printed; with\n"
                   "--conditions: the table was printed), 1 the problem could not be read or "
                   "the report\n"
                   "could not be written (with --size-risers: the design cannot be sized, or "
                   "NEW.json\n"
                   "could not be written), 2 wrong usage (a SPEC that cannot be read "
                   "included),\n"
                   "3 the balancing stopped at --max-passes (the report of the last pass was "
                   "written, or\n"
                   "its checks or the table printed), 4 with --size-risers: no choice meets "
                   "every goal (the\n"
                   "closest one was printed, and written with --write).\n";
        case RunnerText::conditions_needs_list:
            return "--conditions needs a list of conditions";
        case RunnerText::format_needs_name:
            return "--format needs text or json";
        case RunnerText::format_unknown:
            return "--format takes text or json, not \"%1\"";
        case RunnerText::language_needs_name:
            return "--language needs el or en";
        case RunnerText::language_unknown:
            return "--language takes el or en, not \"%1\"";
        case RunnerText::locale_needs_name:
            return "--locale needs a locale name";
        case RunnerText::locale_unknown:
            return "unknown locale \"%1\"";
        case RunnerText::max_passes_needs_count:
            return "--max-passes needs a number of passes";
        case RunnerText::max_passes_unknown:
            return "--max-passes takes a whole number from 1 to %1, not \"%2\"";
        case RunnerText::option_unknown:
            return "unknown option %1";
        case RunnerText::format_without_checks:
            return "--format goes with --checks or --size-risers";
        case RunnerText::checks_with_conditions:
            return "--checks and --conditions do not go together";
        case RunnerText::file_name_missing:
            return "missing file name";
        case RunnerText::file_names_too_many:
            return "too many file names";
        case RunnerText::report_name_empty:
            return "the report's file name is empty";
        case RunnerText::conditions_fault:
            return "--conditions: %1";
        case RunnerText::cannot_write_report:
            return "cannot write the report \"%1\": %2";
        case RunnerText::cannot_write_checks:
            return "cannot write the checks";
        case RunnerText::cannot_write_conditions:
            return "cannot write the table of conditions";
        case RunnerText::internal_error:
            return "internal error: %1";
        case RunnerText::warning:
            return "warning: %1";
        case RunnerText::balancing_progress:
            return "balancing, %1 passes";
        case RunnerText::conditions_progress:
            return "conditions, %1 of %2 solved";
        case RunnerText::balancing_stopped:
            return "the balancing stopped at the bound of %1 passes: qc = %2 m³/s, the risers "
                   "pass %3 m³/s against Q = %4 m³/s; the report is that of the last pass";
        case RunnerText::condition_stopped:
            return "condition %1 (Q = %2 m³/s, Δρ/ρ = %3): the balancing stopped at the bound "
                   "of %4 passes; its line is that of the last pass";
        case RunnerText::conditions_skipping:
            return "steps were skipped at %1 of the %2 conditions (column \"%3\")";
        case RunnerText::label_rule:
            return "rule";
        case RunnerText::label_threshold:
            return "threshold";
        case RunnerText::label_source:
            return "source";
        case RunnerText::label_verdict:
            return "verdict";
        case RunnerText::label_basis:
            return "basis";
        case RunnerText::label_values:
            return "values";
        case RunnerText::label_risers:
            return "risers";
        case RunnerText::label_sections:
            return "sections";
        case RunnerText::label_why:
            return "why";
        case RunnerText::label_change:
            return "change";
        case RunnerText::label_program:
            return "program";
        case RunnerText::label_classical:
            return "classical";
        case RunnerText::label_difference:
            return "difference";
        case RunnerText::basis_estimate:
            return "estimate: each riser's share Q/N, without the march";
        case RunnerText::bounds_between:
            return "from %1 to %2";
        case RunnerText::bounds_at_least:
            return "at least %1";
        case RunnerText::bounds_at_most:
            return "at most %1";
        case RunnerText::bounds_none:
            return "none (informative)";
        case RunnerText::cross_check_title:
            return "landward head by the classical port formulation";
        case RunnerText::cross_check_rule:
            return "landward head with X formed from the pipe discharge at each riser (the "
                   "classical port-flow method) at most the threshold above the landward head "
                   "as the program marches, with X formed from each riser's own discharge; both "
                   "marches balanced by bisection on qc until the risers pass Q within 1e-9";
        case RunnerText::march_balanced:
            return "balanced in %1 marches: qc %2 m³/s; discharge sum %3 m³/s; landward head "
                   "%4 m; riser discharges %5 (riser %6) to %7 (riser %8) m³/s; lowest Froude "
                   "number %9 (riser %10)";
        case RunnerText::march_unbalanced:
            return "not balanced after %1 marches: %2";
        case RunnerText::sizing_option_alone:
            return "%1 goes with --size-risers";
        case RunnerText::sizing_with_checks:
            return "--size-risers does not go with --checks or --conditions";
        case RunnerText::tolerance_needs_value:
            return "--tolerance needs a percentage";
        case RunnerText::tolerance_unknown:
            return "--tolerance takes a percentage above 0 and below 100 written with \".\", "
                   "not \"%1\"";
        case RunnerText::low_flow_needs_spec:
            return "--low-flow needs a condition";
        case RunnerText::low_flow_fault:
            return "--low-flow: %1";
        case RunnerText::low_flow_not_one:
            return "--low-flow names %1 conditions; it takes one";
        case RunnerText::diameters_needs_list:
            return "--diameters needs a list of diameters";
        case RunnerText::diameters_unknown:
            return "--diameters takes positive diameters in m written with \".\" and "
                   "separated by \",\", not \"%1\"";
        case RunnerText::write_needs_name:
            return "--write needs a file name";
        case RunnerText::cannot_size:
            return "the risers cannot be sized: %1";
        case RunnerText::cannot_write_sizing:
            return "cannot write the sizing";
        case RunnerText::cannot_write_problem:
            return "cannot write the problem \"%1\": %2";
        case RunnerText::sizing_progress:
            return "sizing, %1 designs weighed, about %2 % done";
        case RunnerText::problem_written:
            return "the design with the proposed riser diameters was written to \"%1\"";
        case RunnerText::sizing_title:
            return "riser sizing: %1 designs weighed";
        case RunnerText::sizing_stopped:
            return "the search was stopped: the best choice found until then";
        case RunnerText::sizing_goals_met:
            return "the proposal meets every goal";
        case RunnerText::sizing_preference_missed:
            return "the proposal meets the goals; no choice that does keeps Fr within the "
                   "upper bound at the design Q";
        case RunnerText::sizing_goals_missed:
            return "no choice meets every goal; the proposal is the one that comes closest";
        case RunnerText::label_goals:
            return "goals";
        case RunnerText::label_current:
            return "design as typed";
        case RunnerText::label_proposal:
            return "proposal";
        case RunnerText::label_diameter_now:
            return "riser diameter now";
        case RunnerText::label_spread:
            return "largest departure from Q/N";
        case RunnerText::label_froude_design:
            return "Fr at the design Q";
        case RunnerText::label_froude_low:
            return "Fr at the low flow";
        case RunnerText::label_area_ratio:
            return "area ratio";
        case RunnerText::label_landward_head:
            return "landward head";
        case RunnerText::label_checks:
            return "design checks";
        case RunnerText::label_cross_check:
            return "cross-check";
        case RunnerText::sizing_section:
            return "section %1, risers %2, D = %3 m";
        case RunnerText::sizing_run:
            return "%1 m (risers %2)";
        case RunnerText::unreadable:
            return "cannot be read";
        case RunnerText::not_balanced:
            return "not balanced";
        case RunnerText::checks_hold:
            return "every check holds";
        case RunnerText::checks_warning:
            return "warnings: %1";
        case RunnerText::figures_between:
            return "%1 to %2";
    }
    return {};
}

}  // namespace thalmuro::english
