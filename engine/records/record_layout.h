#pragma once
// A fixed-column record described once, as a table of fields (name,
// columns, edit descriptor and the member it holds); writeRecord() and
// readRecord() both walk that table, so the two directions cannot drift
// apart. Columns are 1-based and inclusive; the gaps between fields are
// written as blanks and skipped on reading.
#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "records/field_input.h"
#include "records/field_reader.h"
#include "records/field_writer.h"

namespace records {

enum class Edit : char {
    A = 'A',  // text
    I = 'I',  // integer
    F = 'F',  // fixed-point real
};

template <class R>
struct Field {
    const char* name;
    int first;
    int last;
    Edit edit;
    int decimals = 0;  // F only
    // The member the field holds: exactly one is set.
    std::string R::*text = nullptr;
    char R::*character = nullptr;
    int R::*whole = nullptr;
    long long R::*wide = nullptr;
    double R::*real = nullptr;

    constexpr int width() const { return last - first + 1; }
};

// Aw over a string or a single character.
template <class R>
constexpr Field<R> textField(const char* name, int first, int last, std::string R::*m) {
    Field<R> f{name, first, last, Edit::A};
    f.text = m;
    return f;
}
template <class R>
constexpr Field<R> textField(const char* name, int first, int last, char R::*m) {
    Field<R> f{name, first, last, Edit::A};
    f.character = m;
    return f;
}

// Iw.
template <class R>
constexpr Field<R> intField(const char* name, int first, int last, int R::*m) {
    Field<R> f{name, first, last, Edit::I};
    f.whole = m;
    return f;
}
template <class R>
constexpr Field<R> intField(const char* name, int first, int last, long long R::*m) {
    Field<R> f{name, first, last, Edit::I};
    f.wide = m;
    return f;
}

// Fw.d. Over an int member the value is written as a real and read back as
// the integer part of the real it holds.
template <class R>
constexpr Field<R> realField(const char* name, int first, int last, int decimals, double R::*m) {
    Field<R> f{name, first, last, Edit::F, decimals};
    f.real = m;
    return f;
}
template <class R>
constexpr Field<R> realField(const char* name, int first, int last, int decimals, int R::*m) {
    Field<R> f{name, first, last, Edit::F, decimals};
    f.whole = m;
    return f;
}

// A table of fields, written as layout<R>({...}).
template <class R, std::size_t N>
constexpr std::array<Field<R>, N> layout(const Field<R> (&fields)[N]) {
    return std::to_array(fields);
}

namespace detail {

// Integer part, kept within int range whatever the field held.
inline int integerPart(double value) {
    if (!(value > -1e9 && value < 1e9)) return 0;
    return static_cast<int>(std::trunc(value));
}

}  // namespace detail

// The record built in `line` (no allocation); the view lasts until the
// line's next use.
template <class R, std::size_t N>
std::string_view writeRecord(LineBuilder& line, const std::array<Field<R>, N>& layout, const R& r) {
    line.clear();
    for (const Field<R>& f : layout) {
        line.at(f.first);
        const int w = f.width();
        switch (f.edit) {
            case Edit::A:
                if (f.text) {
                    line.textField(r.*f.text, w);
                } else {
                    line.textField(std::string_view(&(r.*f.character), 1), w);
                }
                break;
            case Edit::I:
                line.integer(f.whole ? r.*f.whole : r.*f.wide, w);
                break;
            case Edit::F:
                line.fixed(f.real ? r.*f.real : r.*f.whole, w, f.decimals);
                break;
        }
    }
    return line.view();
}

template <class R, std::size_t N>
std::string writeRecord(const std::array<Field<R>, N>& layout, const R& r) {
    LineBuilder line;
    return std::string(writeRecord(line, layout, r));
}

// Every field of the table read into `r`; members the table does not name
// keep their values.
template <class R, std::size_t N>
void readRecord(std::string_view line, const std::array<Field<R>, N>& layout, R& r) {
    for (const Field<R>& f : layout) {
        switch (f.edit) {
            case Edit::A:
                if (f.text) {
                    r.*f.text = readText(line, f.first, f.last);
                } else {
                    r.*f.character = readText(line, f.first, f.last)[0];
                }
                break;
            case Edit::I:
                if (f.whole) {
                    r.*f.whole = intInput(line, f.first, f.last);
                } else {
                    r.*f.wide = intInput(line, f.first, f.last);
                }
                break;
            case Edit::F:
                if (f.real) {
                    r.*f.real = realInput(line, f.first, f.last, f.decimals);
                } else {
                    r.*f.whole = detail::integerPart(realInput(line, f.first, f.last, f.decimals));
                }
                break;
        }
    }
}

}  // namespace records
