#include "thalmuro/engine.h"

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <exception>
#include <memory>
#include <new>
#include <nlohmann/json.hpp>
#include <system_error>
#include <utility>

#include "platform.h"

namespace thalmuro {

std::size_t utf8SequenceAt(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;  // range of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
        return 0;
    }
    if (text.size() - i < length) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    }
    return length;
}

namespace {

using Json = nlohmann::json;

// ---- UTF-8 ----------------------------------------------------------------------------------

// Offset of the first byte that does not start a well-formed sequence; nothing when all do.
std::optional<std::size_t> firstInvalidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length = utf8SequenceAt(text, i);
        if (length == 0) return i;
        i += length;
    }
    return std::nullopt;
}

// The line and column of a byte offset, both counted from 1, columns in bytes.
void placeAt(std::string_view text, std::size_t offset, Message& message) {
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    message.line = static_cast<long>(line);
    message.column = static_cast<long>(offset - lineStart + 1);
}

Message because(MessageKind kind) {
    Message message;
    message.kind = kind;
    return message;
}

// ---- The document ---------------------------------------------------------------------------

enum class Key {
    risers,
    sections,
    drho,
    total_discharge,
    manning,
    fitting,
    flow_mode,
    ratio,
    decimal_separator,
    project,
    rows,
};

struct KeyName {
    std::string_view name;
    Key key;
};

constexpr std::array<KeyName, 11> kKeys{{
    {"risers", Key::risers},
    {"sections", Key::sections},
    {"drho", Key::drho},
    {"total_discharge", Key::total_discharge},
    {"manning", Key::manning},
    {"fitting", Key::fitting},
    {"flow_mode", Key::flow_mode},
    {"ratio", Key::ratio},
    {"decimal_separator", Key::decimal_separator},
    {"project", Key::project},
    {"rows", Key::rows},
}};

// The keys inside "project": the name there, the name that messages give it, and its text.
struct DetailKey {
    std::string_view name;
    std::string_view path;
    std::string ProjectDetails::*text;
};

constexpr std::array<DetailKey, kProjectDetailTexts.size()> kDetailKeys{{
    {"title", "project.title", kProjectDetailTexts[0]},
    {"engineer", "project.engineer", kProjectDetailTexts[1]},
    {"client", "project.client", kProjectDetailTexts[2]},
    {"notes", "project.notes", kProjectDetailTexts[3]},
}};

using Kind = JsonValue;

// Builds the problem from the parser's events as they come and stops at the first thing that
// does not belong in a problem file, so nothing but the expected shape is ever held: the
// document nests at most three deep (a row's cells; the details of "project" two deep).
class ProblemReader final : public nlohmann::json_sax<Json> {
  public:
    DiffuserInput problem;
    std::optional<Message> error;

    bool null() override { return value(Kind::null, nullptr); }
    bool boolean(bool) override { return value(Kind::boolean, nullptr); }
    bool number_integer(number_integer_t) override { return value(Kind::number, nullptr); }
    bool number_unsigned(number_unsigned_t) override { return value(Kind::number, nullptr); }
    bool number_float(number_float_t, const string_t&) override {
        return value(Kind::number, nullptr);
    }
    bool string(string_t& text) override { return value(Kind::string, &text); }
    bool binary(binary_t&) override { return value(Kind::binary, nullptr); }

    bool start_object(std::size_t) override {
        if (where_ == Where::start) {
            where_ = Where::document;
            return true;
        }
        if (where_ == Where::document && key_ == Key::project) {
            where_ = Where::project;
            return true;
        }
        return value(Kind::object, nullptr);
    }

    bool key(string_t& name) override {
        // Keys come only inside the document and its "project": any other object was refused
        // when it opened.
        if (where_ == Where::project) return detailKey(name);
        for (const KeyName& known : kKeys) {
            if (known.name == name) {
                const auto bit = static_cast<std::size_t>(known.key);
                if (seen_[bit]) return fail(named(MessageKind::repeated_key, name));
                seen_[bit] = true;
                key_ = known.key;
                keyName_ = known.name;
                return true;
            }
        }
        return fail(named(MessageKind::unknown_key, name));
    }

    bool end_object() override {
        where_ = where_ == Where::project ? Where::document : Where::done;
        return true;
    }

    bool start_array(std::size_t) override {
        if (where_ == Where::document && key_ == Key::rows) {
            where_ = Where::rows;
            return true;
        }
        if (where_ == Where::rows) {
            if (rowCount_ == kSectionRows) {
                Message message = because(MessageKind::too_many_rows);
                message.count = kSectionRows;
                return fail(std::move(message));
            }
            ++rowCount_;
            cellCount_ = 0;
            where_ = Where::row;
            return true;
        }
        return value(Kind::array, nullptr);
    }

    bool end_array() override {
        // Only the rows and a row are arrays that were let open.
        where_ = where_ == Where::row ? Where::rows : Where::document;
        return true;
    }

    bool parse_error(std::size_t, const std::string&,
                     const nlohmann::detail::exception& failure) override {
        // "[json.exception.parse_error.101] parse error at line 1, column 2: ..." gives
        // " at line 1, column 2: ...".
        std::string_view words = failure.what();
        const std::size_t tagEnd = words.find("] ");
        if (words.substr(0, 1) == "[" && tagEnd != std::string_view::npos) {
            words.remove_prefix(tagEnd + 2);
        }
        constexpr std::string_view kParseError = "parse error";
        Message message = because(MessageKind::invalid_json);
        if (words.substr(0, kParseError.size()) == kParseError) {
            message.detail = std::string(words.substr(kParseError.size()));
        } else {
            message.detail = ": " + std::string(words);
        }
        return fail(std::move(message));
    }

  private:
    enum class Where { start, document, project, rows, row, done };

    bool detailKey(const std::string& name) {
        for (const DetailKey& known : kDetailKeys) {
            if (known.name == name) {
                const auto bit = static_cast<std::size_t>(&known - kDetailKeys.data());
                if (detailsSeen_[bit]) {
                    return fail(named(MessageKind::repeated_key, std::string(known.path)));
                }
                detailsSeen_[bit] = true;
                detail_ = known.text;
                keyName_ = known.path;
                return true;
            }
        }
        return fail(named(MessageKind::unknown_key, "project." + name));
    }

    bool fail(Message message) {
        if (!error) error = std::move(message);
        return false;
    }

    static Message named(MessageKind kind, const std::string& text) {
        Message message = because(kind);
        message.text = text;
        return message;
    }

    Message found(MessageKind kind, Kind kind_found) const {
        Message message = because(kind);
        message.found = kind_found;
        message.key = std::string(keyName_);
        return message;
    }

    // A value other than an opened document, rows or row.
    bool value(Kind kind, string_t* text) {
        switch (where_) {
            case Where::start:
            case Where::done:
                return fail(found(MessageKind::not_an_object, kind));
            case Where::document:
                return documentValue(kind, text);
            case Where::project:
                if (kind != Kind::string) {
                    return fail(found(MessageKind::value_not_a_string, kind));
                }
                problem.details.*detail_ = std::move(*text);
                return true;
            case Where::rows: {
                Message message = found(MessageKind::row_not_an_array, kind);
                message.row = static_cast<int>(rowCount_ + 1);
                return fail(std::move(message));
            }
            case Where::row:
                if (kind != Kind::string) {
                    Message message = found(MessageKind::cell_not_a_string, kind);
                    message.row = static_cast<int>(rowCount_);
                    message.cell = static_cast<int>(cellCount_ + 1);
                    return fail(std::move(message));
                }
                if (cellCount_ == kRowCells.size()) {
                    Message message = because(MessageKind::too_many_cells);
                    message.row = static_cast<int>(rowCount_);
                    message.count = static_cast<long>(kRowCells.size());
                    return fail(std::move(message));
                }
                problem.rows[rowCount_ - 1].*kRowCells[cellCount_] = std::move(*text);
                ++cellCount_;
                return true;
        }
        return false;
    }

    bool documentValue(Kind kind, string_t* text) {
        if (key_ == Key::rows) {
            return fail(found(MessageKind::rows_not_an_array, kind));
        }
        if (key_ == Key::project) {
            return fail(found(MessageKind::key_not_an_object, kind));
        }
        if (key_ == Key::ratio && kind == Kind::null) {
            problem.ratio.reset();
            return true;
        }
        if (kind != Kind::string) {
            return fail(found(MessageKind::value_not_a_string, kind));
        }
        DiffuserInput& input = problem;
        switch (key_) {
            case Key::risers:
                input.risers = std::move(*text);
                return true;
            case Key::sections:
                input.sections = std::move(*text);
                return true;
            case Key::drho:
                input.drho = std::move(*text);
                return true;
            case Key::total_discharge:
                input.total_discharge = std::move(*text);
                return true;
            case Key::manning:
                input.manning = std::move(*text);
                return true;
            case Key::ratio:
                problem.ratio = std::move(*text);
                return true;
            case Key::fitting:
                return readFitting(*text);
            case Key::flow_mode:
                return readFlowMode(*text);
            case Key::decimal_separator:
                return readDecimalSeparator(*text);
            case Key::project:
            case Key::rows:
                break;
        }
        return false;
    }

    Message unknownName(const std::string& text) const {
        Message message = named(MessageKind::unknown_name, text);
        message.key = std::string(keyName_);
        return message;
    }

    bool readFitting(const std::string& text) {
        const std::optional<FittingType> fitting = fittingNamed(text);
        if (!fitting) {
            return fail(unknownName(text));
        }
        problem.fitting = *fitting;
        return true;
    }

    bool readFlowMode(const std::string& text) {
        const std::optional<FlowMode> mode = flowModeNamed(text);
        if (!mode) {
            return fail(unknownName(text));
        }
        problem.flow_mode = *mode;
        return true;
    }

    bool readDecimalSeparator(std::string& text) {
        if (!numberLocaleFor(text)) {
            return fail(unknownName(text));
        }
        problem.decimal_separator = std::move(text);
        return true;
    }

    Where where_ = Where::start;
    Key key_ = Key::risers;  // the key whose value comes next
    std::string_view keyName_;
    std::array<bool, kKeys.size()> seen_{};
    std::array<bool, kDetailKeys.size()> detailsSeen_{};
    std::string ProjectDetails::*detail_ = kDetailKeys[0].text;  // the detail whose text is next
    std::size_t rowCount_ = 0;   // rows opened so far; the open row is rowCount_ - 1
    std::size_t cellCount_ = 0;  // cells read in the open row
};

std::variant<DiffuserInput, Message> parse(std::string_view jsonText) {
    if (const auto bad = firstInvalidUtf8(jsonText)) {
        Message message = because(MessageKind::invalid_utf8);
        placeAt(jsonText, *bad, message);
        return message;
    }
    // The parser takes a NUL byte for the end of the text and would not see what follows.
    if (const std::size_t nul = jsonText.find('\0'); nul != std::string_view::npos) {
        Message message = because(MessageKind::nul_byte);
        placeAt(jsonText, nul, message);
        return message;
    }
    ProblemReader reader;
    const bool parsed = Json::sax_parse(jsonText.begin(), jsonText.end(), &reader);
    if (!parsed || reader.error) {
        if (!reader.error) return because(MessageKind::invalid_json);
        return std::move(*reader.error);
    }
    return std::move(reader.problem);
}

std::string systemReason(int error) {
    if (error == 0) return "read error";
    return std::generic_category().message(error);
}

Message fileFailure(MessageKind kind, const std::string& fileName, std::string detail) {
    Message message = because(kind);
    message.file = fileName;
    message.detail = std::move(detail);
    return message;
}

std::variant<DiffuserInput, Message> read(const std::string& fileName) {
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(openForReading(fileName),
                                                               &std::fclose);
    if (!file) {
        // A folder cannot be read as a file, whether the system refuses to open it (Windows) or
        // only to read it.
        const int error = errno;
        return fileFailure(
            error == EISDIR ? MessageKind::file_cannot_read : MessageKind::file_cannot_open,
            fileName, systemReason(error));
    }
    std::string text;
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        errno = 0;
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file.get());
        if (std::ferror(file.get())) {
            return fileFailure(MessageKind::file_cannot_read, fileName, systemReason(errno));
        }
        text.append(buffer.data(), got);
        if (text.size() > kMaxProblemFileBytes) {
            Message message = fileFailure(MessageKind::file_too_large, fileName, {});
            message.count = static_cast<long>(kMaxProblemFileBytes / 1024);
            return message;
        }
        if (got < buffer.size()) break;
    }
    auto result = parse(text);
    if (auto* error = std::get_if<Message>(&result)) error->file = fileName;
    return result;
}

}  // namespace

std::optional<NumberLocale> numberLocaleFor(std::string_view decimalSeparator) {
    if (decimalSeparator == ",") return NumberLocale::greek();
    if (decimalSeparator == ".") return NumberLocale::english();
    return std::nullopt;
}

std::variant<DiffuserInput, Message> parseProblem(std::string_view jsonText) {
    try {
        return parse(jsonText);
    } catch (const std::bad_alloc&) {
        return because(MessageKind::out_of_memory);
    } catch (const std::exception& failure) {
        return fileFailure(MessageKind::reading_failed, {}, failure.what());
    }
}

std::variant<DiffuserInput, Message> readProblemFile(const std::string& fileName) {
    try {
        return read(fileName);
    } catch (const std::bad_alloc&) {
        return fileFailure(MessageKind::out_of_memory, fileName, {});
    } catch (const std::exception& failure) {
        return fileFailure(MessageKind::reading_failed, fileName, failure.what());
    }
}

namespace {

// A text as a JSON string. The reader accepts only well-formed UTF-8, so every text it gave
// is written back unchanged; anything else has its bad bytes replaced rather than throw.
std::string jsonString(const std::string& text) {
    return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

std::string problemText(const DiffuserInput& input) {
    // One key a line and one section row a line, as a person would lay the file out; the
    // project's details first, as the head of the design, and only when there are any.
    std::string out = "{\n";
    if (input.details != ProjectDetails{}) {
        out += "  \"project\": {";
        for (std::size_t i = 0; i < kDetailKeys.size(); ++i) {
            out += i == 0 ? "\n    \"" : ",\n    \"";
            out += kDetailKeys[i].name;
            out += "\": " + jsonString(input.details.*kDetailKeys[i].text);
        }
        out += "\n  },\n";
    }
    const auto key = [&](const char* name, const std::string& value) {
        out += "  \"";
        out += name;
        out += "\": " + value + ",\n";
    };
    key("risers", jsonString(input.risers));
    key("sections", jsonString(input.sections));
    key("drho", jsonString(input.drho));
    key("total_discharge", jsonString(input.total_discharge));
    key("manning", jsonString(input.manning));
    key("fitting", jsonString(std::string(nameOf(input.fitting))));
    key("flow_mode", jsonString(std::string(nameOf(input.flow_mode))));
    if (input.ratio) key("ratio", jsonString(*input.ratio));
    if (input.decimal_separator) key("decimal_separator", jsonString(*input.decimal_separator));

    // Rows after the last one with a typed cell read back as empty rows: they are left out.
    std::size_t rows = input.rows.size();
    while (rows > 0 && input.rows[rows - 1] == SectionRow{})
        --rows;
    out += "  \"rows\": [";
    for (std::size_t r = 0; r < rows; ++r) {
        out += r == 0 ? "\n    [" : ",\n    [";
        for (std::size_t c = 0; c < kRowCells.size(); ++c) {
            if (c > 0) out += ", ";
            out += jsonString(input.rows[r].*kRowCells[c]);
        }
        out += ']';
    }
    out += rows == 0 ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

std::error_code writeProblemFile(const std::string& fileName, const DiffuserInput& input) {
    return writeFileSafely(fileName, problemText(input));
}

}  // namespace thalmuro
