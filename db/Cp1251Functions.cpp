#include "Cp1251Functions.h"

#include <sqlite3.h>

#include <array>
#include <string>

#include "platform/CString.h"
#include "platform/Cp1251.h"

namespace {

const std::array<unsigned char, 256>& UpperTable() {
    static const auto table = [] {
        std::array<unsigned char, 256> upper{};
        for (int b = 0; b < 256; ++b) {
            const std::string byte(1, static_cast<char>(b));
            CString letter(cp1251::ToUtf8(byte));
            const std::string folded = cp1251::FromUtf8(letter.MakeUpper().str());
            upper[static_cast<size_t>(b)] = folded.size() == 1 && b != 0 ? static_cast<unsigned char>(folded[0])
                                                                        : static_cast<unsigned char>(b);
        }
        return upper;
    }();
    return table;
}

void UpperFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    const auto* text = sqlite3_value_text(argv[0]);
    if (!text) {
        sqlite3_result_null(context);
        return;
    }
    std::string result(reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_value_bytes(argv[0])));
    for (char& c : result) c = static_cast<char>(Cp1251Upper(static_cast<unsigned char>(c)));
    sqlite3_result_text(context, result.c_str(), static_cast<int>(result.size()), SQLITE_TRANSIENT);
}

// like(pattern, text [, escape]) as the LIKE operator calls it.
void LikeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    const auto* pattern = sqlite3_value_text(argv[0]);
    const auto* text = sqlite3_value_text(argv[1]);
    if (!pattern || !text) {
        sqlite3_result_null(context);
        return;
    }
    int escape = -1;
    if (argc == 3) {
        const auto* escapeText = sqlite3_value_text(argv[2]);
        if (!escapeText || sqlite3_value_bytes(argv[2]) != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = escapeText[0];
    }
    sqlite3_result_int(context, Cp1251Like(pattern, text, escape) ? 1 : 0);
}

}  // namespace

unsigned char Cp1251Upper(unsigned char byte) { return UpperTable()[byte]; }

bool Cp1251Like(const unsigned char* pattern, const unsigned char* text, int escape) {
    // Iterative match with one back-track point for the last "%", enough for LIKE.
    const unsigned char* starPattern = nullptr;
    const unsigned char* starText = nullptr;
    while (*text) {
        if (*pattern == '%' ) {
            while (*pattern == '%') ++pattern;
            if (!*pattern) return true;
            starPattern = pattern;
            starText = text;
            continue;
        }
        unsigned char wanted = *pattern;
        bool literal = false;
        if (escape >= 0 && wanted == escape && pattern[1]) {
            wanted = pattern[1];
            literal = true;
        }
        if (wanted && ((!literal && wanted == '_') || Cp1251Upper(wanted) == Cp1251Upper(*text))) {
            pattern += literal ? 2 : 1;
            ++text;
        } else if (starPattern) {
            pattern = starPattern;
            text = ++starText;
        } else {
            return false;
        }
    }
    while (*pattern == '%') ++pattern;
    return *pattern == 0;
}

void RegisterCp1251Functions(sqlite3* db) {
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(db, "upper", 1, flags, nullptr, UpperFunction, nullptr, nullptr);
    sqlite3_create_function(db, "like", 2, flags, nullptr, LikeFunction, nullptr, nullptr);
    sqlite3_create_function(db, "like", 3, flags, nullptr, LikeFunction, nullptr, nullptr);
}
