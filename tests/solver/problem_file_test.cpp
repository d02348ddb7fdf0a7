// Reading problem files: every text lands in its box, and anything else is refused with a
// one-line message that names what is wrong.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "thalmuro/engine.h"
#include "thalmuro/wording.h"

namespace thalmuro {
namespace {

namespace fs = std::filesystem;

// Every field of a parsed problem as text, so that two problems compare field by field and a
// difference is reported by its name.
std::vector<std::string> fieldsOf(const DiffuserInput& in) {
    std::vector<std::string> out = {
        "risers=" + in.risers,
        "sections=" + in.sections,
        "drho=" + in.drho,
        "total_discharge=" + in.total_discharge,
        "manning=" + in.manning,
        "fitting=" + std::to_string(static_cast<int>(in.fitting)),
        "flow_mode=" + std::to_string(static_cast<int>(in.flow_mode)),
        "ratio=" + (in.ratio ? "[" + *in.ratio + "]" : std::string("Cancel")),
        "decimal_separator=" +
            (in.decimal_separator ? "[" + *in.decimal_separator + "]" : std::string("unknown")),
        "title=" + in.details.title,
        "engineer=" + in.details.engineer,
        "client=" + in.details.client,
        "notes=" + in.details.notes,
    };
    for (std::size_t s = 0; s < in.rows.size(); ++s) {
        const SectionRow& r = in.rows[s];
        const std::string row = "row " + std::to_string(s + 1) + " ";
        out.push_back(row + "first=" + r.first_riser);
        out.push_back(row + "last=" + r.last_riser);
        out.push_back(row + "D=" + r.pipe_diameter);
        out.push_back(row + "dl=" + r.spacing);
        out.push_back(row + "dz=" + r.elevation_step);
        out.push_back(row + "d=" + r.riser_diameter);
    }
    return out;
}

DiffuserInput parsedOrFail(std::string_view text) {
    auto result = parseProblem(text);
    if (const auto* error = std::get_if<Message>(&result)) {
        ADD_FAILURE() << "refused: " << wordMessage(*error, Language::english);
        return {};
    }
    return std::get<DiffuserInput>(std::move(result));
}

// The reader's message as the runner words it.
std::string errorOf(const std::variant<DiffuserInput, Message>& result) {
    if (const auto* error = std::get_if<Message>(&result)) {
        return wordMessage(*error, Language::english);
    }
    ADD_FAILURE() << "accepted";
    return {};
}

// A message fit for one line of a terminal: not empty, no line break, well-formed UTF-8.
void expectOneLine(const std::string& message) {
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(message.find_first_of("\r\n"), std::string::npos) << message;
    // The strict serializer throws on a string that is not well-formed UTF-8.
    EXPECT_NO_THROW(static_cast<void>(nlohmann::json(message).dump())) << message;
}

TEST(ParseProblem, PutsEveryTextInItsBox) {
    const DiffuserInput problem = parsedOrFail(R"({
        "risers": "14", "sections": "5", "drho": "0,0307", "total_discharge": "0,3528",
        "manning": "0,01", "fitting": "Bell", "flow_mode": "user", "ratio": "0,85",
        "rows": [["1", "2", "0,2906", "8", "0,2", "0,1144"],
                 ["a", "b", "c", "d", "e", "f"],
                 ["3", "5"]]
    })");
    DiffuserInput in;
    in.risers = "14";
    in.sections = "5";
    in.drho = "0,0307";
    in.total_discharge = "0,3528";
    in.manning = "0,01";
    in.fitting = FittingType::Bell;
    in.flow_mode = FlowMode::user;
    in.ratio = "0,85";
    in.rows[0] = {"1", "2", "0,2906", "8", "0,2", "0,1144"};
    in.rows[1] = {"a", "b", "c", "d", "e", "f"};
    in.rows[2].first_riser = "3";
    in.rows[2].last_riser = "5";
    EXPECT_EQ(fieldsOf(problem), fieldsOf(in));
}

TEST(ParseProblem, AcceptsWhatTheFormCanHold) {
    std::string thirtyRows = R"({"rows": [)";
    for (int s = 1; s <= 30; ++s) {
        thirtyRows += (s > 1 ? ",[\"" : "[\"") + std::to_string(s) + "\"]";
    }
    thirtyRows += "]}";

    struct Case {
        const char* name;
        std::string text;
        std::function<void(DiffuserInput&)> expect;  // applied to an empty problem
    };
    const std::vector<Case> cases = {
        {"empty document: empty boxes, Sharp, no mark, Cancel", "{}", [](DiffuserInput&) {}},
        {"sharp fitting", R"({"fitting": "Sharp"})", [](DiffuserInput&) {}},
        {"no mark", R"({"flow_mode": "none"})", [](DiffuserInput&) {}},
        {"standard", R"({"flow_mode": "standard"})",
         [](DiffuserInput& p) { p.flow_mode = FlowMode::standard; }},
        {"optimised", R"({"flow_mode": "optimised"})",
         [](DiffuserInput& p) { p.flow_mode = FlowMode::optimised; }},
        {"null ratio is Cancel", R"({"ratio": null})", [](DiffuserInput&) {}},
        {"an empty ratio is an answer", R"({"ratio": ""})", [](DiffuserInput& p) { p.ratio = ""; }},
        {"decimal commas recorded", R"({"decimal_separator": ","})",
         [](DiffuserInput& p) { p.decimal_separator = ","; }},
        {"decimal points recorded", R"({"decimal_separator": "."})",
         [](DiffuserInput& p) { p.decimal_separator = "."; }},
        {"texts kept as typed", R"({"drho": " 0,03 \t", "risers": "1\u0034", "manning": "n=?"})",
         [](DiffuserInput& p) {
             p.drho = " 0,03 \t";
             p.risers = "14";
             p.manning = "n=?";
         }},
        {"Greek text", "{\"sections\": \"\xCE\x94\xCF\x81\"}",
         [](DiffuserInput& p) { p.sections = "\xCE\x94\xCF\x81"; }},
        {"byte-order mark", "\xEF\xBB\xBF{\"risers\": \"3\"}",
         [](DiffuserInput& p) { p.risers = "3"; }},
        {"no rows", R"({"rows": []})", [](DiffuserInput&) {}},
        {"an empty row", R"({"rows": [[], ["7"]]})",
         [](DiffuserInput& p) { p.rows[1].first_riser = "7"; }},
        {"project details", R"({"project": {"title": "A", "engineer": "B", "client": "C",
                                              "notes": "1\n2"}})",
         [](DiffuserInput& p) {
             p.details = {"A", "B", "C", "1\n2"};
         }},
        {"some details, in any order", R"({"rows": [], "project": {"notes": "n", "title": "t"}})",
         [](DiffuserInput& p) {
             p.details = {"t", "", "", "n"};
         }},
        {"no details", R"({"project": {}})", [](DiffuserInput&) {}},
        {"thirty rows", thirtyRows,
         [](DiffuserInput& p) {
             for (std::size_t s = 0; s < 30; ++s)
                 p.rows[s].first_riser = std::to_string(s + 1);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DiffuserInput expected;
        c.expect(expected);
        EXPECT_EQ(fieldsOf(parsedOrFail(c.text)), fieldsOf(expected));
    }
}

TEST(ParseProblem, RefusesAnythingElseNamingTheFault) {
    std::string thirtyOneRows = R"({"rows": [)";
    for (int s = 1; s <= 31; ++s)
        thirtyOneRows += s > 1 ? ",[]" : "[]";
    thirtyOneRows += "]}";

    struct Case {
        std::string text;
        std::string message;  // a part of the message
    };
    const std::vector<Case> cases = {
        {"", "invalid JSON at line 1, column 1"},
        {"{\"risers\": \"14\",}", "invalid JSON at line 1, column 17"},
        {"{\"risers\": \"14\"", "invalid JSON"},
        {"{} {}", "invalid JSON"},
        {std::string("{}\0", 3), "invalid JSON at line 1, column 3: NUL byte"},
        {std::string("{\"drho\": \"\0\"}", 13), "invalid JSON at line 1, column 11: NUL byte"},
        {"{\"risers\": \"14\" /* N */}", "invalid JSON"},
        {"{\"risers\": 1e999}", "invalid JSON"},
        {"{\"risers\": \"a\nb\"}", "invalid JSON"},
        {"{ \xCE\x94 }", "invalid JSON"},
        {"[]", "must be a JSON object, not an array"},
        {"\"14\"", "must be a JSON object, not a string"},
        {"null", "must be a JSON object, not null"},
        {std::string(100000, '['), "must be a JSON object, not an array"},
        {R"({"pipes": "3"})", "unknown key \"pipes\""},
        {R"({"Risers": "3"})", "unknown key \"Risers\""},
        {R"({"a\nb": "3"})", "unknown key \"a\\nb\""},
        {R"({"risers": "3", "risers": "4"})", "key \"risers\" appears more than once"},
        {R"({"risers": 14})", "key \"risers\" must be a string, not a number"},
        {R"({"sections": -5})", "key \"sections\" must be a string, not a number"},
        {R"({"drho": 0.0307})", "key \"drho\" must be a string, not a number"},
        {R"({"total_discharge": null})", "key \"total_discharge\" must be a string, not null"},
        {R"({"manning": true})", "key \"manning\" must be a string, not a boolean"},
        {R"({"fitting": {}})", "key \"fitting\" must be a string, not an object"},
        {R"({"flow_mode": ["user"]})", "key \"flow_mode\" must be a string, not an array"},
        {R"({"ratio": 0.9})", "key \"ratio\" must be a string or null, not a number"},
        {R"({"decimal_separator": ";"})",
         "key \"decimal_separator\" must be \",\" or \".\", not \";\""},
        {R"({"decimal_separator": ", "})", "key \"decimal_separator\" must be"},
        {R"({"decimal_separator": null})", "key \"decimal_separator\" must be a string, not null"},
        {R"({"fitting": "sharp"})", "key \"fitting\" must be \"Sharp\" or \"Bell\", not \"sharp\""},
        {R"({"fitting": ""})", "key \"fitting\""},
        {R"({"flow_mode": "optimized"})", "key \"flow_mode\" must be \"none\", \"standard\""},
        {R"({"project": "Outfall A"})", "key \"project\" must be an object, not a string"},
        {R"({"project": null})", "key \"project\" must be an object, not null"},
        {R"({"project": [{"title": "A"}]})", "key \"project\" must be an object, not an array"},
        {R"({"project": {"author": "A"}})", "unknown key \"project.author\""},
        {R"({"project": {}, "project": {}})", "key \"project\" appears more than once"},
        {R"({"project": {"title": "A", "title": "B"}})",
         "key \"project.title\" appears more than once"},
        {R"({"project": {"notes": ["a", "b"]}})",
         "key \"project.notes\" must be a string, not an array"},
        {R"({"project": {"client": {"name": "C"}}})",
         "key \"project.client\" must be a string, not an object"},
        {R"({"project": {"engineer": null}})",
         "key \"project.engineer\" must be a string, not null"},
        {R"({"title": "A"})", "unknown key \"title\""},
        {R"({"rows": "1 2 0,2906"})", "key \"rows\" must be an array of rows, not a string"},
        {R"({"rows": null})", "key \"rows\" must be an array of rows, not null"},
        {R"({"rows": [["1"], "2"]})", "row 2 must be an array of texts, not a string"},
        {R"({"rows": [{"first": "1"}]})", "row 1 must be an array of texts, not an object"},
        {R"({"rows": [["1", 2]]})", "row 1, cell 2 must be a string, not a number"},
        {R"({"rows": [[], ["1", "2", "3", "4", "5", "6", null]]})",
         "row 2, cell 7 must be a string, not null"},
        {R"({"rows": [["1", "2", "3", "4", "5", "6", "7"]]})", "row 1 has more than 6 cells"},
        {"{\"rows\": [[" + std::string(100000, '[') + "]]}", "row 1, cell 1 must be a string"},
        {thirtyOneRows, "key \"rows\" has more than 30 rows"},
        // Not UTF-8: a stray continuation byte, an overlong "/", a surrogate, a byte that never
        // occurs, a sequence cut short by the end.
        {"{\"drho\": \"\x80\"}", "invalid UTF-8 at line 1, column 11"},
        {"{\n  \"drho\": \"\xC0\xAF\"}", "invalid UTF-8 at line 2, column 12"},
        {"{\"drho\": \"\xED\xA0\x80\"}", "invalid UTF-8"},
        {"{\"drho\": \"\xF5\x80\x80\x80\"}", "invalid UTF-8"},
        {"{\"drho\": \"\xE2\x82", "invalid UTF-8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        const std::string message = errorOf(parseProblem(c.text));
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        expectOneLine(message);
    }
}

TEST(ParseProblem, ShortensWhatItQuotes) {
    const std::string longKey(5000, 'k');
    const std::string badLiteral = "{\"risers\": " + std::string(5000, 'x') + "}";
    for (const std::string& text : {"{\"" + longKey + "\": \"1\"}", badLiteral}) {
        const std::string message = errorOf(parseProblem(text));
        EXPECT_LT(message.size(), 300u) << message;
        expectOneLine(message);
    }
}

class ReadProblemFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device random;
        do {
            dir_ = fs::temp_directory_path() / ("problem_file_test_" + std::to_string(random()));
        } while (!fs::create_directory(dir_));
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    fs::path dir_;
};

TEST_F(ReadProblemFile, ReadsTheWorkedExample) {
    DiffuserInput expected = workedExample(NumberLocale::greek());
    expected.flow_mode = FlowMode::standard;
    const std::string file = std::string(THALMURO_TEST_DATA) + "/cases/worked_example_el.json";
    EXPECT_EQ(fieldsOf(std::get<DiffuserInput>(readProblemFile(file))), fieldsOf(expected));
    // The writer lays a file out as a person would: the same bytes as the hand-written one.
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(problemText(expected), bytes);
}

TEST_F(ReadProblemFile, WrittenFilesReadBackFieldForField) {
    DiffuserInput tricky;
    tricky.risers = " 1\t4 ";
    tricky.drho = "\"0,03\" \\ Δρ/ρ";
    tricky.manning = std::string("n\x01\x1F\x7F=?", 6);
    tricky.total_discharge = "\xF0\x9F\x8C\x8A 0,35";  // a character beyond the BMP
    tricky.rows[2].spacing = "8";                      // rows 1, 2 and 4 to 30 empty
    tricky.fitting = FittingType::Bell;
    tricky.flow_mode = FlowMode::user;
    tricky.ratio = "";  // an empty answer is not a Cancel

    DiffuserInput full = workedExample(NumberLocale::english());
    full.flow_mode = FlowMode::optimised;
    for (std::size_t r = 0; r < full.rows.size(); ++r) {
        for (const auto cell : kRowCells)
            full.rows[r].*cell = "r" + std::to_string(r);
    }
    DiffuserInput user = workedExample(NumberLocale::greek());
    user.flow_mode = FlowMode::user;
    user.ratio = "0,85";
    user.decimal_separator = ",";
    DiffuserInput points = workedExample(NumberLocale::english());
    points.decimal_separator = ".";
    DiffuserInput detailed = workedExample(NumberLocale::greek());
    detailed.details = {"Αγωγός διάθεσης \"Λιμάνι\" \\ Β'", "Ι. Παπαδόπουλος, Π.Μ.",
                        "Δήμος {Χ}, [ΔΕΥΑ]", "Γραμμή 1\nΓραμμή 2\r\n\tτέλος\n\n"};
    DiffuserInput onlyNotes;
    onlyNotes.details.notes = "\n";

    const std::pair<const char*, DiffuserInput> cases[] = {
        {"empty form", DiffuserInput{}},
        {"escapes, control characters, Greek, a row after empty ones", tricky},
        {"thirty full rows", full},
        {"user mode with its ratio, decimal commas recorded", user},
        {"decimal points recorded", points},
        {"project details: Greek, quotes, line feeds", detailed},
        {"a design without a detail but its notes", onlyNotes},
    };
    for (const auto& [name, input] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(fieldsOf(parsedOrFail(problemText(input))), fieldsOf(input));
        // A Greek name: names are UTF-8 on every system.
        const std::string file = (dir_ / fs::u8path("Πρόβλημα 1.json")).u8string();
        ASSERT_FALSE(writeProblemFile(file, input));
        const auto read = readProblemFile(file);
        ASSERT_TRUE(std::holds_alternative<DiffuserInput>(read)) << errorOf(read);
        EXPECT_TRUE(std::get<DiffuserInput>(read) == input);
    }
}

// A design without details is written as before details were kept: no "project" key. With
// details, the file is the same around them, so older programs' files and new ones differ only
// there.
TEST(ProblemText, WritesProjectDetailsOnlyWhenThereAreAny) {
    const DiffuserInput plain = workedExample(NumberLocale::greek());
    const std::string plainText = problemText(plain);
    EXPECT_EQ(plainText.find("project"), std::string::npos);

    DiffuserInput detailed = plain;
    detailed.details.client = "Δήμος";
    const std::string detailedText = problemText(detailed);
    const std::string head =
        "{\n  \"project\": {\n    \"title\": \"\",\n    \"engineer\": \"\",\n"
        "    \"client\": \"Δήμος\",\n    \"notes\": \"\"\n  },\n";
    ASSERT_EQ(detailedText.substr(0, head.size()), head);
    EXPECT_EQ("{\n" + detailedText.substr(head.size()), plainText);
}

TEST_F(ReadProblemFile, NamesTheFileAndTheReason) {
    const std::string missing = (dir_ / "absent.json").string();
    const std::string malformed = write("malformed.json", "{\"pipes\": \"3\"}");
    const std::string huge = write("huge.json", "{" + std::string(kMaxProblemFileBytes, ' ') + "}");
    struct Case {
        std::string file;
        std::vector<std::string> parts;
    };
    const std::vector<Case> cases = {
        {missing, {"cannot open \"" + missing + "\"", std::generic_category().message(ENOENT)}},
        {dir_.string(),
         {"cannot read \"" + dir_.string() + "\"", std::generic_category().message(EISDIR)}},
        {malformed, {malformed + ": unknown key \"pipes\""}},
        {huge, {"cannot read \"" + huge + "\"", "not a problem file"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string message = errorOf(readProblemFile(c.file));
        for (const std::string& part : c.parts) {
            EXPECT_NE(message.find(part), std::string::npos) << message;
        }
        expectOneLine(message);
    }
}

}  // namespace
}  // namespace thalmuro
