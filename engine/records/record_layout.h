#pragma once
// A fixed-column record described once, as a table of fields (name,
// columns, edit descriptor and the member it holds); writeRecord() and
// readRecord() both walk that table, so the two directions cannot drift
// apart. Columns are 1-based and inclusive; the gaps between fields are
// written as blanks and skipped on reading. layout() refuses a table whose
// fields overlap or run out of column order, so such a table does not
// compile.
#include <array>
#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "records/field_input.h"
#include "records/field_reader.h"
#include "records/field_writer.h"

namespace records {

enum class Edit : char {
    A = 'A',  // text
    I = 'I',  // integer
    F = 'F',  // fixed-point real
};

// Where a text shorter than its field stands: Aw output puts it on the
// right; names the user typed are written from the field's first column.
enum class Align : char { Right, Left };

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
    float R::*single = nullptr;  // read into single precision
    Align align = Align::Right;  // A only

    constexpr int width() const { return last - first + 1; }
    constexpr int members() const {
        return (text != nullptr) + (character != nullptr) + (whole != nullptr) + (wide != nullptr) + (real != nullptr) +
               (single != nullptr);
    }
};

// Aw over a string or a single character.
template <class R>
constexpr Field<R> textField(const char* name, int first, int last, std::string R::*m, Align align = Align::Right) {
    Field<R> f{name, first, last, Edit::A};
    f.text = m;
    f.align = align;
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

template <class R>
constexpr Field<R> realField(const char* name, int first, int last, int decimals, float R::*m) {
    Field<R> f{name, first, last, Edit::F, decimals};
    f.single = m;
    return f;
}

// Each field starts after the one before it ends, spans at least one
// column, holds exactly one member of a kind its edit can take, and an F
// field keeps a column for its point.
template <class R, std::size_t N>
constexpr bool wellFormed(const std::array<Field<R>, N>& layout) {
    int end = 0;
    for (const Field<R>& f : layout) {
        if (f.first <= end || f.last < f.first || f.members() != 1) return false;
        end = f.last;
        switch (f.edit) {
            case Edit::A:
                if (!f.text && !f.character) return false;
                break;
            case Edit::I:
                if (!f.whole && !f.wide) return false;
                break;
            case Edit::F:
                if ((!f.real && !f.whole && !f.single) || f.decimals < 0 || f.decimals >= f.width()) return false;
                break;
        }
    }
    return true;
}

// A table of fields, written as layout<R>({...}). Evaluated for a
// constexpr table, the throw makes a malformed table a compile error.
template <class R, std::size_t N>
constexpr std::array<Field<R>, N> layout(const Field<R> (&fields)[N]) {
    auto table = std::to_array(fields);
    if (!wellFormed(table)) throw std::logic_error("record layout: malformed field table");
    return table;
}

namespace detail {

// Integer part, kept within int range whatever the field held.
inline int integerPart(double value) {
    if (!(value > -1e9 && value < 1e9)) return 0;
    return static_cast<int>(std::trunc(value));
}

// Field I of a constant table: its columns, edit, decimals and member are
// constants here, so the writers and readers fold them.
template <const auto& Layout, std::size_t I, class R>
[[gnu::always_inline]] inline void writeConstantField(LineBuilder& line, const R& r) {
    static constexpr Field<R> f = Layout[I];
    constexpr int w = f.width();
    line.at(f.first);
    if constexpr (f.edit == Edit::A) {
        std::string_view s;
        if constexpr (f.character != nullptr) {
            s = std::string_view(&(r.*f.character), 1);
        } else {
            s = r.*f.text;
        }
        if constexpr (f.align == Align::Left) {
            const std::string_view head = s.substr(0, static_cast<std::size_t>(w));
            line.text(head).blanks(w - static_cast<int>(head.size()));
        } else {
            line.textField(s, w);
        }
    } else if constexpr (f.edit == Edit::I) {
        if constexpr (f.whole != nullptr) {
            line.integer(r.*f.whole, w);
        } else {
            line.integer(r.*f.wide, w);
        }
    } else if constexpr (f.real != nullptr) {
        line.fixed(r.*f.real, w, f.decimals);
    } else if constexpr (f.single != nullptr) {
        line.fixed(static_cast<double>(r.*f.single), w, f.decimals);
    } else {
        line.fixed(static_cast<double>(r.*f.whole), w, f.decimals);
    }
}

template <const auto& Layout, std::size_t I, class R>
[[gnu::always_inline]] inline void readConstantField(std::string_view line, R& r) {
    static constexpr Field<R> f = Layout[I];
    if constexpr (f.edit == Edit::A) {
        if constexpr (f.text != nullptr) {
            detail::readTextInline(r.*f.text, line, f.first, f.last);
        } else {
            r.*f.character = readCharacter(line, f.first, f.last);
        }
    } else if constexpr (f.edit == Edit::I) {
        if constexpr (f.whole != nullptr) {
            r.*f.whole = detail::intInputInline(line, f.first, f.last);
        } else {
            r.*f.wide = detail::intInputInline(line, f.first, f.last);
        }
    } else if constexpr (f.real != nullptr) {
        r.*f.real = detail::realInputInline(line, f.first, f.last, f.decimals);
    } else if constexpr (f.single != nullptr) {
        r.*f.single = detail::singleInputInline(line, f.first, f.last, f.decimals);
    } else {
        r.*f.whole = detail::integerPart(detail::realInputInline(line, f.first, f.last, f.decimals));
    }
}

}  // namespace detail

// The record built in `line` (no allocation); the view lasts until the
// line's next use. The table is named as the template argument
// (writeRecord<kLayout>(line, r)) and unrolled at compile time, each field
// written with its width and decimals as constants.
template <const auto& Layout, class R>
std::string_view writeRecord(LineBuilder& line, const R& r) {
    line.clear();
    [&]<std::size_t... I>(std::index_sequence<I...>) { (detail::writeConstantField<Layout, I>(line, r), ...); }
    (std::make_index_sequence<Layout.size()>{});
    return line.view();
}

template <const auto& Layout, class R>
std::string writeRecord(const R& r) {
    LineBuilder line;
    return std::string(writeRecord<Layout>(line, r));
}

// Every field of the table read into `r`; members the table does not name
// keep their values.
template <const auto& Layout, class R>
void readRecord(std::string_view line, R& r) {
    [&]<std::size_t... I>(std::index_sequence<I...>) { (detail::readConstantField<Layout, I>(line, r), ...); }
    (std::make_index_sequence<Layout.size()>{});
}

}  // namespace records
