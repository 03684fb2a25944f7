// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "lectavo/convert/Automation.h"

using namespace lectavo::automation;

namespace {

// Answers "Name" (get/put) and "item"(n) for n in 1..3, nothing else.
class Counter : public Dispatch {
public:
    Value invoke(std::string_view member, InvokeKind kind, std::span<const Value> args) override
    {
        if (sameMember(member, "Name")) {
            if (kind == InvokeKind::Put) {
                name = args[0].toText();
                return {};
            }
            return Value(name);
        }
        if (sameMember(member, "item") && kind == InvokeKind::Get) {
            if (args.size() != 1)
                throw Error(ErrorCode::BadArguments, "item takes one index");
            auto n = args[0].toInt();
            if (n < 1 || n > 3)
                throw Error(ErrorCode::IndexOutOfRange, "index out of range");
            return Value(n * 10);
        }
        throw Error(ErrorCode::UnknownMember, "unknown member " + std::string(member));
    }
    std::u16string name = u"first";
};

ErrorCode codeOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Error& e) {
        return e.code();
    }
    ADD_FAILURE() << "no error raised";
    return ErrorCode::Failed;
}

}  // namespace

TEST(Automation, MembersResolveIgnoringCase)
{
    Object o(std::make_shared<Counter>());
    o.put("NAME", Value(u"second"));
    EXPECT_EQ(o.get("name").toText(), u"second");
    EXPECT_EQ(o.get("Item", {Value(std::int32_t(2))}).toInt(), 20);
}

TEST(Automation, ErrorsCarryTheirCode)
{
    Object o(std::make_shared<Counter>());
    EXPECT_EQ(codeOf([&] { o.get("Missing"); }), ErrorCode::UnknownMember);
    EXPECT_EQ(codeOf([&] { o.get("item", {Value(std::int32_t(4))}); }), ErrorCode::IndexOutOfRange);
    EXPECT_EQ(codeOf([&] { o.get("item"); }), ErrorCode::BadArguments);
    EXPECT_EQ(codeOf([&] { o.get("item", {Value(u"x")}); }), ErrorCode::BadArguments);
    EXPECT_EQ(codeOf([&] { Object().get("Name"); }), ErrorCode::NoObject);
    EXPECT_EQ(codeOf([&] { o.get("Name").toObject(); }), ErrorCode::BadArguments);
}

TEST(Automation, ValuesConvertAsAutomationDoes)
{
    EXPECT_TRUE(Value(std::int32_t(-1)).toBool());
    EXPECT_TRUE(Value(std::int32_t(7)).toBool());
    EXPECT_FALSE(Value(std::int32_t(0)).toBool());
    EXPECT_EQ(Value(true).toInt(), -1);
    EXPECT_TRUE(Value().isEmpty());
    EXPECT_EQ(codeOf([] { Value().toBool(); }), ErrorCode::BadArguments);
}

TEST(Automation, RegistryCreatesByClassName)
{
    ClassRegistry registry;
    registry.add("Test.Counter", [] { return std::make_shared<Counter>(); });
    EXPECT_TRUE(registry.contains("test.counter"));
    EXPECT_EQ(registry.create("TEST.COUNTER").get("Name").toText(), u"first");
    EXPECT_EQ(codeOf([&] { registry.create("Nothing.Here"); }), ErrorCode::UnknownClass);
    registry.add("Test.Broken", []() -> DispatchPtr { throw std::runtime_error("no licence"); });
    EXPECT_EQ(codeOf([&] { registry.create("Test.Broken"); }), ErrorCode::Failed);
}

TEST(Automation, SystemResolverAnswersBeforeTheRegisteredFactory)
{
    ClassRegistry registry;
    registry.add("Test.Counter", [] { return std::make_shared<Counter>(); });
    registry.add("Test.Fallback", [] {
        auto c = std::make_shared<Counter>();
        c->name = u"registered";
        return c;
    });
    registry.setSystemResolver([](std::string_view name) -> DispatchPtr {
        if (sameMember(name, "Test.Counter")) {
            auto c = std::make_shared<Counter>();
            c->name = u"system";
            return c;
        }
        if (sameMember(name, "Test.Fallback"))
            throw Error(ErrorCode::Failed, "the server did not start");
        return nullptr;
    });
    EXPECT_EQ(registry.create("Test.Counter").get("Name").toText(), u"system");
    EXPECT_EQ(registry.create("Test.Fallback").get("Name").toText(), u"registered");
    EXPECT_EQ(codeOf([&] { registry.create("Nothing.Here"); }), ErrorCode::UnknownClass);

    // With nothing registered, the resolver's own reason is what the caller sees.
    registry.remove("Test.Fallback");
    try {
        registry.create("Test.Fallback");
        ADD_FAILURE() << "no error raised";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), ErrorCode::Failed);
        EXPECT_STREQ(e.what(), "the server did not start");
    }
}
