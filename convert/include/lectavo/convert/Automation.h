// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

// Late-bound access to an automation object model: members are reached by
// name at run time, arguments and results travel as Value.
namespace lectavo::automation {

class Dispatch;
using DispatchPtr = std::shared_ptr<Dispatch>;
class Object;

enum class ErrorCode {
    UnknownMember,    // the object has no member of that name
    BadArguments,     // wrong number or type of arguments, or a put of a read-only member
    IndexOutOfRange,  // item(n) outside 1..Count
    NoObject,         // an empty object handle was used
    UnknownClass,     // createObject: nothing is registered under that class name
    Failed,           // the object failed inside the call; the text says why
};

// The one exception of the layer: a code for programs, a readable text for people.
class Error : public std::runtime_error {
public:
    Error(ErrorCode code, const std::string& what) : std::runtime_error(what), m_code(code) {}
    ErrorCode code() const { return m_code; }

private:
    ErrorCode m_code;
};

// Empty, boolean, 32-bit integer, UTF-16 text or object.
class Value {
public:
    using Storage = std::variant<std::monostate, bool, std::int32_t, std::u16string, DispatchPtr>;

    Value() = default;
    Value(bool b) : m_v(b) {}
    Value(std::int32_t i) : m_v(i) {}
    Value(std::u16string s) : m_v(std::move(s)) {}
    Value(const char16_t* s) : m_v(std::u16string(s)) {}
    Value(DispatchPtr d) : m_v(std::move(d)) {}
    Value(const Object& o);

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_v); }
    bool isBool() const { return std::holds_alternative<bool>(m_v); }
    bool isInt() const { return std::holds_alternative<std::int32_t>(m_v); }
    bool isText() const { return std::holds_alternative<std::u16string>(m_v); }
    bool isObject() const { return std::holds_alternative<DispatchPtr>(m_v); }

    // A boolean, or an integer taken as true when nonzero; anything else throws BadArguments.
    bool toBool() const;
    // An integer, or a boolean as -1 / 0; anything else throws BadArguments.
    std::int32_t toInt() const;
    // Text only; anything else throws BadArguments.
    const std::u16string& toText() const;
    // An object only (never empty); anything else throws BadArguments.
    Object toObject() const;

    const Storage& storage() const { return m_v; }

private:
    Storage m_v;
};

enum class InvokeKind {
    Get,     // a read: method call or property get, with or without arguments
    Put,     // a property put with one value
    Method,  // a method call whose result is not asked for
};

// What an automation server implements. Member names arrive exactly as the
// caller wrote them; implementations match them case-insensitively.
class Dispatch {
public:
    virtual ~Dispatch() = default;
    virtual Value invoke(std::string_view member, InvokeKind kind, std::span<const Value> args) = 0;
};

// A value handle over a Dispatch. Calls on an empty handle throw NoObject.
class Object {
public:
    Object() = default;
    explicit Object(DispatchPtr d) : m_d(std::move(d)) {}

    Value get(std::string_view member, std::initializer_list<Value> args = {}) const;
    // get() whose result must be an object.
    Object object(std::string_view member, std::initializer_list<Value> args = {}) const;
    void put(std::string_view member, Value value) const;
    void call(std::string_view member, std::initializer_list<Value> args = {}) const;

    explicit operator bool() const { return static_cast<bool>(m_d); }
    const DispatchPtr& dispatch() const { return m_d; }

private:
    DispatchPtr m_d;
};

// True when a and b are equal ignoring ASCII letter case.
bool sameMember(std::string_view a, std::string_view b);

// Where class names are turned into objects.
class ClassRegistry {
public:
    using Factory = std::function<DispatchPtr()>;
    // Creates a class by name from outside the registry; throws or returns null when it cannot.
    using Resolver = std::function<DispatchPtr(std::string_view className)>;

    // The registry createObject() uses; on Windows its resolver is the system's COM class creation.
    static ClassRegistry& global();

    // Registers (or replaces) the factory for a class name; names match case-insensitively.
    void add(std::string className, Factory factory);
    void remove(std::string_view className);
    bool contains(std::string_view className) const;
    // Tried before the factories; when it fails the registered factory answers instead.
    void setSystemResolver(Resolver resolver);
    // Throws UnknownClass when nothing is registered (or the resolver's own error when it
    // failed too); a factory's own failure is rethrown as Failed.
    Object create(std::string_view className) const;

private:
    std::map<std::string, Factory, std::less<>> m_factories;  // keys lower-cased
    Resolver m_system;
};

// Creates an object from its class name through the global registry.
Object createObject(std::string_view className);

}  // namespace lectavo::automation
