// The value of a procedure's argument as an error report prints it. A trap
// turns each argument into one of these only when an error passes through it,
// so the report shows the values the arguments held at that moment.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tpr::err {

struct ErrValue {
    enum class Kind { Empty, Null, Omitted, Integer, Double, Boolean, String, Date, Object, Array, Other };

    Kind kind = Kind::Empty;
    int64_t integer = 0;
    double number = 0.0;
    bool boolean = false;
    std::wstring text;  // the string, the date's text form, or the object's type name

    static ErrValue Empty() { return {}; }
    static ErrValue Null() { return Make(Kind::Null); }
    static ErrValue Omitted() { return Make(Kind::Omitted); }
    static ErrValue Array() { return Make(Kind::Array); }
    static ErrValue Other() { return Make(Kind::Other); }
    static ErrValue Object(std::wstring typeName) {
        ErrValue v = Make(Kind::Object);
        v.text = std::move(typeName);
        return v;
    }
    static ErrValue Date(std::wstring textForm) {
        ErrValue v = Make(Kind::Date);
        v.text = std::move(textForm);
        return v;
    }

private:
    static ErrValue Make(Kind kind) {
        ErrValue v;
        v.kind = kind;
        return v;
    }
};

using ErrArgs = std::vector<ErrValue>;

inline ErrValue ToErrValue(const ErrValue& v) { return v; }
inline ErrValue ToErrValue(bool b) {
    ErrValue v;
    v.kind = ErrValue::Kind::Boolean;
    v.boolean = b;
    return v;
}
template <class T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>, int> = 0>
ErrValue ToErrValue(T i) {
    ErrValue v;
    v.kind = ErrValue::Kind::Integer;
    v.integer = static_cast<int64_t>(i);
    return v;
}
template <class T, std::enable_if_t<std::is_floating_point_v<T>, int> = 0>
ErrValue ToErrValue(T d) {
    ErrValue v;
    v.kind = ErrValue::Kind::Double;
    v.number = static_cast<double>(d);
    return v;
}
inline ErrValue ToErrValue(std::wstring_view s) {
    ErrValue v;
    v.kind = ErrValue::Kind::String;
    v.text = std::wstring(s);
    return v;
}
inline ErrValue ToErrValue(const std::wstring& s) { return ToErrValue(std::wstring_view(s)); }
inline ErrValue ToErrValue(const wchar_t* s) { return ToErrValue(std::wstring_view(s ? s : L"")); }
template <class T>
ErrValue ToErrValue(const std::vector<T>&) {
    return ErrValue::Array();
}

// Objects (windows, controls, dialogs) print as "{TypeName}": a type opts in
// by giving a free function ErrTypeName(const T&) found by argument lookup.
template <class T, class = decltype(ErrTypeName(std::declval<const T&>()))>
ErrValue ToErrValue(const T& object) {
    return ErrValue::Object(ErrTypeName(object));
}
template <class T, class = decltype(ErrTypeName(std::declval<const T&>()))>
ErrValue ToErrValue(const T* object) {
    return object ? ErrValue::Object(ErrTypeName(*object)) : ErrValue::Object(L"Nothing");
}

}  // namespace tpr::err
