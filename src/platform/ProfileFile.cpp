#include "platform/ProfileFile.h"

#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <system_error>

namespace kolt {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

enum class LineKind { Other, Section, Key };

struct Line {
    std::string text;  // without its line end
    std::string end;   // "\n", "\r\n" or empty for a last line without one
    LineKind kind = LineKind::Other;
    std::string name;   // section or key name, trimmed
    std::string value;  // key value, trimmed, quotes kept
};

void classify(Line& line, bool firstLine) {
    std::string_view body = line.text;
    if (firstLine && body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);
    const std::string_view t = trim(body);
    if (t.empty() || t.front() == ';') return;
    if (t.front() == '[') {
        const auto close = t.find(']');
        line.kind = LineKind::Section;
        line.name = std::string(
            trim(t.substr(1, close == std::string_view::npos ? t.size() - 1 : close - 1)));
        return;
    }
    const auto eq = t.find('=');
    if (eq == std::string_view::npos) return;
    const std::string_view name = trim(t.substr(0, eq));
    if (name.empty()) return;
    line.kind = LineKind::Key;
    line.name = std::string(name);
    line.value = std::string(trim(t.substr(eq + 1)));
}

// The file as lines; absent or unreadable reads as empty.
class Document {
  public:
    static Document load(const std::filesystem::path& path) {
        Document doc;
        std::ifstream in(path, std::ios::binary);
        if (!in) return doc;
        const std::string all((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
        std::size_t pos = 0;
        while (pos < all.size()) {
            const auto nl = all.find('\n', pos);
            Line line;
            if (nl == std::string::npos) {
                line.text = all.substr(pos);
                pos = all.size();
            } else {
                line.text = all.substr(pos, nl - pos);
                line.end = "\n";
                pos = nl + 1;
            }
            if (!line.text.empty() && line.text.back() == '\r') {
                line.text.pop_back();
                line.end = "\r" + line.end;
            }
            classify(line, doc.lines.empty());
            doc.lines.push_back(std::move(line));
        }
        return doc;
    }

    // [first, last) of the section's lines after its header; nullopt if absent.
    std::optional<std::pair<std::size_t, std::size_t>> findSection(std::string_view name) const {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].kind == LineKind::Section && sameName(lines[i].name, name)) {
                std::size_t end = i + 1;
                while (end < lines.size() && lines[end].kind != LineKind::Section)
                    ++end;
                return std::make_pair(i + 1, end);
            }
        }
        return std::nullopt;
    }

    std::optional<std::size_t> findKey(std::string_view section, std::string_view key) const {
        const auto range = findSection(section);
        if (!range) return std::nullopt;
        for (std::size_t i = range->first; i < range->second; ++i) {
            if (lines[i].kind == LineKind::Key && sameName(lines[i].name, key)) return i;
        }
        return std::nullopt;
    }

    // The line end this file uses; a new file uses LF.
    std::string lineEnd() const {
        for (const auto& l : lines) {
            if (!l.end.empty()) return l.end;
        }
        return "\n";
    }

    Line makeLine(std::string text) const {
        Line line;
        line.text = std::move(text);
        line.end = lineEnd();
        classify(line, false);
        return line;
    }

    bool save(const std::filesystem::path& path) {
        std::string out;
        for (const auto& l : lines)
            out += l.text + l.end;
        auto tmp = path;
        tmp += ".tmp-" + std::to_string(::getpid());
        {
            std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
            if (!f) return false;
            f.write(out.data(), static_cast<std::streamsize>(out.size()));
            f.flush();
            if (!f) {
                std::error_code ignored;
                std::filesystem::remove(tmp, ignored);
                return false;
            }
        }
        std::error_code ec;
        const auto perms = std::filesystem::status(path, ec).permissions();
        if (!ec) std::filesystem::permissions(tmp, perms, ec);
        std::filesystem::rename(tmp, path, ec);
        if (ec) {
            std::error_code ignored;
            std::filesystem::remove(tmp, ignored);
            return false;
        }
        return true;
    }

    std::vector<Line> lines;
};

std::string unquote(const std::string& v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        return v.substr(1, v.size() - 2);
    }
    return v;
}

bool validSection(std::string_view s) {
    return !trim(s).empty() && s.find_first_of("]\r\n") == std::string_view::npos;
}

bool validKey(std::string_view k) {
    const auto t = trim(k);
    return !t.empty() && t.front() != '[' && t.front() != ';' &&
           k.find_first_of("=\r\n") == std::string_view::npos;
}

}  // namespace

ProfileFile::ProfileFile(std::filesystem::path path) : path_(std::move(path)) {}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::size_t bufferSize) const {
    const Document doc = Document::load(path_);
    const auto at = doc.findKey(section, key);
    std::string value = at ? unquote(doc.lines[*at].value) : std::string(trim(defaultValue));
    if (bufferSize > 0 && value.size() > bufferSize - 1) value.resize(bufferSize - 1);
    return value;
}

int ProfileFile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    const std::string text = readString(section, key);
    if (text.empty()) return defaultValue;
    std::size_t i = 0;
    bool negative = false;
    if (text[i] == '-' || text[i] == '+') negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = std::min<long long>(value * 10 + (text[i] - '0'), 1LL << 31);
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

bool ProfileFile::writeString(std::string_view section, std::string_view key,
                              std::string_view value) {
    if (!validSection(section) || !validKey(key)) return false;
    std::string clean(value);
    std::replace_if(
        clean.begin(), clean.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');

    Document doc = Document::load(path_);
    if (const auto at = doc.findKey(section, key)) {
        Line& line = doc.lines[*at];
        line.text = line.name + "=" + clean;
        line.value = std::string(trim(clean));
        return doc.save(path_);
    }
    const Line keyLine = doc.makeLine(std::string(trim(key)) + "=" + clean);
    if (const auto range = doc.findSection(section)) {
        // After the section's last non-blank line, so blank separators stay below it.
        std::size_t insertAt = range->first;
        for (std::size_t i = range->first; i < range->second; ++i) {
            if (!trim(doc.lines[i].text).empty()) insertAt = i + 1;
        }
        if (insertAt > 0 && doc.lines[insertAt - 1].end.empty()) {
            doc.lines[insertAt - 1].end = doc.lineEnd();
        }
        doc.lines.insert(doc.lines.begin() + static_cast<std::ptrdiff_t>(insertAt), keyLine);
        return doc.save(path_);
    }
    if (!doc.lines.empty()) {
        if (doc.lines.back().end.empty()) doc.lines.back().end = doc.lineEnd();
        if (!trim(doc.lines.back().text).empty()) doc.lines.push_back(doc.makeLine(""));
    }
    doc.lines.push_back(doc.makeLine("[" + std::string(trim(section)) + "]"));
    doc.lines.push_back(keyLine);
    return doc.save(path_);
}

bool ProfileFile::deleteKey(std::string_view section, std::string_view key) {
    Document doc = Document::load(path_);
    const auto at = doc.findKey(section, key);
    if (!at) return true;
    doc.lines.erase(doc.lines.begin() + static_cast<std::ptrdiff_t>(*at));
    return doc.save(path_);
}

bool ProfileFile::deleteSection(std::string_view section) {
    Document doc = Document::load(path_);
    const auto range = doc.findSection(section);
    if (!range) return true;
    doc.lines.erase(doc.lines.begin() + static_cast<std::ptrdiff_t>(range->first - 1),
                    doc.lines.begin() + static_cast<std::ptrdiff_t>(range->second));
    return doc.save(path_);
}

std::vector<std::string> ProfileFile::sectionNames() const {
    const Document doc = Document::load(path_);
    std::vector<std::string> names;
    for (const auto& l : doc.lines) {
        if (l.kind == LineKind::Section) names.push_back(l.name);
    }
    return names;
}

std::vector<std::string> ProfileFile::keyNames(std::string_view section) const {
    const Document doc = Document::load(path_);
    std::vector<std::string> names;
    if (const auto range = doc.findSection(section)) {
        for (std::size_t i = range->first; i < range->second; ++i) {
            if (doc.lines[i].kind == LineKind::Key) names.push_back(doc.lines[i].name);
        }
    }
    return names;
}

}  // namespace kolt
