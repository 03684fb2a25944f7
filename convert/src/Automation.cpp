// SPDX-License-Identifier: MIT
#include "lectavo/convert/Automation.h"

#include <algorithm>

#ifdef _WIN32
#include "com/ComClass.h"
#endif

namespace lectavo::automation {

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), lowerAscii);
    return out;
}

[[noreturn]] void wrongType(const char* wanted)
{
    throw Error(ErrorCode::BadArguments, std::string("type mismatch: expected ") + wanted);
}

}  // namespace

Value::Value(const Object& o) : m_v(o.dispatch()) {}

bool Value::toBool() const
{
    if (auto b = std::get_if<bool>(&m_v))
        return *b;
    if (auto i = std::get_if<std::int32_t>(&m_v))
        return *i != 0;
    wrongType("a boolean");
}

std::int32_t Value::toInt() const
{
    if (auto i = std::get_if<std::int32_t>(&m_v))
        return *i;
    if (auto b = std::get_if<bool>(&m_v))
        return *b ? -1 : 0;
    wrongType("an integer");
}

const std::u16string& Value::toText() const
{
    if (auto s = std::get_if<std::u16string>(&m_v))
        return *s;
    wrongType("a text");
}

Object Value::toObject() const
{
    if (auto d = std::get_if<DispatchPtr>(&m_v); d && *d)
        return Object(*d);
    wrongType("an object");
}

Value Object::get(std::string_view member, std::initializer_list<Value> args) const
{
    if (!m_d)
        throw Error(ErrorCode::NoObject, "no object to get '" + std::string(member) + "' from");
    return m_d->invoke(member, InvokeKind::Get, std::span<const Value>(args.begin(), args.size()));
}

Object Object::object(std::string_view member, std::initializer_list<Value> args) const
{
    return get(member, args).toObject();
}

void Object::put(std::string_view member, Value value) const
{
    if (!m_d)
        throw Error(ErrorCode::NoObject, "no object to set '" + std::string(member) + "' on");
    m_d->invoke(member, InvokeKind::Put, std::span<const Value>(&value, 1));
}

void Object::call(std::string_view member, std::initializer_list<Value> args) const
{
    if (!m_d)
        throw Error(ErrorCode::NoObject, "no object to call '" + std::string(member) + "' on");
    m_d->invoke(member, InvokeKind::Method, std::span<const Value>(args.begin(), args.size()));
}

bool sameMember(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

ClassRegistry& ClassRegistry::global()
{
    static ClassRegistry registry = [] {
        ClassRegistry r;
#ifdef _WIN32
        // The installed presentation application answers before the built-in engine.
        r.setSystemResolver(com::createComObject);
#endif
        return r;
    }();
    return registry;
}

void ClassRegistry::add(std::string className, Factory factory)
{
    m_factories[lowered(className)] = std::move(factory);
}

void ClassRegistry::remove(std::string_view className) { m_factories.erase(lowered(className)); }

bool ClassRegistry::contains(std::string_view className) const
{
    return m_factories.find(lowered(className)) != m_factories.end();
}

void ClassRegistry::setSystemResolver(Resolver resolver) { m_system = std::move(resolver); }

Object ClassRegistry::create(std::string_view className) const
{
    std::exception_ptr systemFailure;
    if (m_system) {
        try {
            if (auto d = m_system(className))
                return Object(std::move(d));
        } catch (...) {
            systemFailure = std::current_exception();
        }
    }
    auto it = m_factories.find(lowered(className));
    if (it == m_factories.end()) {
        if (systemFailure) {
            try {
                std::rethrow_exception(systemFailure);
            } catch (const Error&) {
                throw;
            } catch (const std::exception& e) {
                throw Error(ErrorCode::Failed, "cannot create '" + std::string(className) + "': " + e.what());
            }
        }
        throw Error(ErrorCode::UnknownClass, "no automation class is registered as '" + std::string(className) + "'");
    }
    DispatchPtr d;
    try {
        d = it->second();
    } catch (const Error&) {
        throw;
    } catch (const std::exception& e) {
        throw Error(ErrorCode::Failed, "cannot create '" + std::string(className) + "': " + e.what());
    }
    if (!d)
        throw Error(ErrorCode::Failed, "cannot create '" + std::string(className) + "'");
    return Object(std::move(d));
}

Object createObject(std::string_view className) { return ClassRegistry::global().create(className); }

}  // namespace lectavo::automation
