#include "common/automation/object.h"

#include <gtest/gtest.h>

#include "common/automation/error.h"
#include "common/automation/member_table.h"

namespace qvl::automation {
namespace {

// `argument` returns a const reference; the server fills by-reference arguments through the span.
Variant& writable(std::span<Variant> args, std::size_t i) { return args[i]; }

// A small server: a property, a read-only property, a method and a by-reference method.
class Counter : public MemberTable {
public:
    Counter() : MemberTable("Counter") {
        property("Value", [this](Args) { return Variant(value); }, [this](const Variant& v) { value = v.toLong(); });
        property("Doubled", [this](Args) { return Variant(value * 2); });
        method("Add", [this](Args args) {
            value += argument(args, 0).toLong();
            return Variant(value);
        });
        method("GetBoth", [this](Args args) {
            writable(args, 0).array().at(0) = Variant(value);
            writable(args, 0).array().at(1) = Variant(value * 2);
            return Variant();
        });
    }
    long long value = 0;
};

TEST(Object, ReachesMembersByNameWithoutRegardToCase) {
    auto server = std::make_shared<Counter>();
    Object counter(server);
    counter.put("value", 5);
    EXPECT_EQ(counter.get("VALUE").toLong(), 5);
    EXPECT_EQ(counter.call("add", {3}).toLong(), 8);
    EXPECT_EQ(counter.get("doubled").toLong(), 16);
    EXPECT_EQ(counter.typeName(), "Counter");
}

TEST(Object, FailsAsAutomationDoesForUnknownMembersReadOnlyPropertiesAndNothing) {
    Object counter(std::make_shared<Counter>());
    try {
        counter.call("Subtract", {1});
        FAIL() << "unknown member accepted";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), errc::memberNotSupported);
    }
    EXPECT_THROW(counter.put("Doubled", 1), Error);
    EXPECT_THROW(counter.call("Add"), Error);
    Object nothing;
    try {
        nothing.get("Value");
        FAIL() << "call on Nothing accepted";
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), errc::objectNotSet);
    }
    EXPECT_EQ(nothing.typeName(), "Nothing");
}

TEST(Object, FillsByReferenceArguments) {
    class Filler : public MemberTable {
    public:
        Filler() : MemberTable("Filler") {
            method("Size", [](Args args) {
                writable(args, 0) = Variant(Variant::Array{1.5, 2.5});
                return Variant();
            });
        }
    };
    Object filler(std::make_shared<Filler>());
    std::vector<Variant> args{Variant(Variant::Array{0.0, 0.0})};
    filler.callByRef("size", args);
    EXPECT_DOUBLE_EQ(args[0].array()[1].toDouble(), 2.5);

    auto server = std::make_shared<Counter>();
    server->value = 7;
    std::vector<Variant> both{Variant(Variant::Array{0, 0})};
    Object(server).callByRef("GetBoth", both);
    EXPECT_EQ(both[0].array()[1].toLong(), 14);
}

TEST(Object, ComparesByIdentity) {
    auto server = std::make_shared<Counter>();
    Object a(server), b(server), c(std::make_shared<Counter>());
    EXPECT_TRUE(a.is(b));
    EXPECT_FALSE(a.is(c));
    EXPECT_TRUE(Object().is(Object()));
}

// A second wrapper of the same server object, as a second interface pointer of one COM object.
class CounterView : public MemberTable {
public:
    explicit CounterView(std::shared_ptr<Counter> counter) : MemberTable("Counter"), counter_(std::move(counter)) {}
    const void* identity() const noexcept override { return counter_.get(); }

private:
    std::shared_ptr<Counter> counter_;
};

TEST(Object, TwoWrappersOfOneObjectAreTheSameObject) {
    auto server = std::make_shared<Counter>();
    Object direct(server), wrapped(std::make_shared<CounterView>(server));
    EXPECT_TRUE(direct.is(wrapped));
    EXPECT_TRUE(wrapped.is(direct));
    EXPECT_FALSE(wrapped.is(Object(std::make_shared<CounterView>(std::make_shared<Counter>()))));
    EXPECT_FALSE(wrapped.is(Object())) << "Nothing is no object";
    EXPECT_TRUE(Variant(direct) == Variant(wrapped)) << "variants compare their objects the same way";
}

}  // namespace
}  // namespace qvl::automation
