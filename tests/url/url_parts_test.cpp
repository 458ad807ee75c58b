// Components, error kinds, and inputs no client should send but some may.
#include <gtest/gtest.h>

#include <string>

#include "url/url.h"

namespace {

using тувра::url::parse;

TEST(ЧастиАдреса, ComponentsOfAFullUrl) {
  const auto url = parse("HTTPS://Us%65r:p@ss@[::1]:8080/a/b?q=1#frag");
  ASSERT_TRUE(url) << url.error().message;
  EXPECT_EQ(url->href(), "https://Us%65r:p%40ss@[::1]:8080/a/b?q=1#frag");
  EXPECT_EQ(url->scheme(), "https");
  EXPECT_EQ(url->username(), "Us%65r");
  EXPECT_EQ(url->password(), "p%40ss");
  EXPECT_EQ(url->host(), "[::1]");
  EXPECT_EQ(url->port(), 8080);
  EXPECT_EQ(url->path(), "/a/b");
  EXPECT_EQ(url->query(), "q=1");
  EXPECT_EQ(url->fragment(), "frag");
  EXPECT_FALSE(url->has_opaque_path());
}

TEST(ЧастиАдреса, AbsentAndEmptyComponents) {
  const auto opaque = parse("untitled:Untitled-1");
  ASSERT_TRUE(opaque);
  EXPECT_EQ(opaque->host(), std::nullopt);
  EXPECT_TRUE(opaque->has_opaque_path());
  EXPECT_EQ(opaque->path(), "Untitled-1");
  EXPECT_EQ(opaque->query(), std::nullopt);
  EXPECT_EQ(opaque->fragment(), std::nullopt);

  const auto empty = parse("file:///?#");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->host(), "");
  EXPECT_EQ(empty->port(), std::nullopt);
  EXPECT_EQ(empty->path(), "/");
  EXPECT_EQ(empty->query(), "");
  EXPECT_EQ(empty->fragment(), "");

  // The "/." that keeps "//b" from reading as a host belongs to no component.
  const auto dotted = parse("web+demo:/.//b");
  ASSERT_TRUE(dotted);
  EXPECT_EQ(dotted->href(), "web+demo:/.//b");
  EXPECT_EQ(dotted->path(), "//b");

  // The default port is dropped.
  EXPECT_EQ(parse("http://a:80/")->port(), std::nullopt);
  EXPECT_EQ(parse("http://a:080/")->href(), "http://a/");
}

// Dot segments at the end leave an empty segment; only a whole drive letter stops "..".
TEST(ЧастиАдреса, DotSegments) {
  const struct {
    const char* input;
    const char* href;
  } cases[] = {
      {"hp://ex/o/../../..", "hp://ex/"},  {"tta:/0../../..", "tta:/"},          {"hs://exa/%2e%2e?q", "hs://exa/?q"},
      {"file:///a/b/.", "file:///a/b/"},   {"file:///a/b/%2E", "file:///a/b/"},  {"file:///y:/../../a", "file:///y:/a"},
      {"file:///y|/../a", "file:///y:/a"}, {"file:///y:x/../../a", "file:///a"}, {"file:///yz:/../a", "file:///a"},
  };
  for (const auto& c : cases) {
    const auto got = parse(c.input);
    ASSERT_TRUE(got) << c.input;
    EXPECT_EQ(got->href(), c.href) << c.input;
  }
}

TEST(ЧастиАдреса, EachFailureKindHasItsMessage) {
  const struct {
    const char* input;
    const char* message;
  } cases[] = {
      {"home/user/a.код", "relative URL without a base"},
      {"/home/user/a.код", "relative URL without a base"},
      {"", "relative URL without a base"},
      {"http://", "empty host"},
      {"http://user@/", "empty host"},
      {"http://a:65536/", "invalid port number"},
      {"http://a:99999999999999999999/", "invalid port number"},
      {"http://a:8o/", "invalid port number"},
      {"http://1.2.3.256/", "invalid IPv4 address"},
      {"http://0x100000000/", "invalid IPv4 address"},
      {"http://[::1/", "invalid IPv6 address"},
      {"http://[1:2:3:4:5:6:7:8:9]/", "invalid IPv6 address"},
      {"http://a b/", "invalid domain character"},
      {"sc://a|b/", "invalid domain character"},
      {"http://a%00b/", "invalid domain character"},
      {"http://\u200d.example/", "invalid international domain name"},
      {"http://xn--a.\u00df/", "invalid international domain name"},
  };
  for (const auto& c : cases) {
    const auto got = parse(c.input);
    ASSERT_FALSE(got) << c.input << " gave " << got->href();
    EXPECT_EQ(got.error().message, c.message) << c.input;
  }
}

// The parser takes any bytes: ill-formed UTF-8 reads as U+FFFD, one per maximal bad sequence,
// which paths encode and hosts refuse.
TEST(ЧастиАдреса, IllFormedUtf8) {
  const struct {
    std::string input;
    const char* href;  // nullptr: refused
  } cases[] = {
      {"file:///a\xFF"
       "b",
       "file:///a%EF%BF%BDb"},
      {"file:///a\xE2\x82", "file:///a%EF%BF%BD"},
      {"file:///\xED\xA0\x80", "file:///%EF%BF%BD%EF%BF%BD%EF%BF%BD"},
      {"file:///\xF0\x9F\x98\x80", "file:///%F0%9F%98%80"},
      {std::string("file:///a\0b", 11), "file:///a%00b"},
      {"x:\xC0\xAF", "x:%EF%BF%BD%EF%BF%BD"},
      {"http://a\xFF/", nullptr},
      {"http://a%FF/", nullptr},
      {"\xFF:x", nullptr},
  };
  for (const auto& c : cases) {
    const auto got = parse(c.input);
    if (c.href == nullptr) {
      EXPECT_FALSE(got) << c.input;
    } else {
      ASSERT_TRUE(got) << c.input << ": " << got.error().message;
      EXPECT_EQ(got->href(), c.href);
    }
  }
}

TEST(ЧастиАдреса, LongInputs) {
  std::string deep = "file://";
  for (int i = 0; i < 100000; ++i) deep += "/..";
  deep += "/a";
  const auto up = parse(deep);
  ASSERT_TRUE(up);
  EXPECT_EQ(up->href(), "file:///a");

  // No DNS length limits; but ICU encodes at most 1000 code points of one label as Punycode.
  const auto host = parse("http://" + std::string(900, 'a') + "\u00e9/");
  ASSERT_TRUE(host) << host.error().message;
  EXPECT_EQ(host->host()->substr(0, 4), "xn--");
  const auto too_long = parse("http://" + std::string(100000, 'a') + "\u00e9/");
  ASSERT_FALSE(too_long);
  EXPECT_EQ(too_long.error().message, "invalid international domain name");
  EXPECT_TRUE(parse("http://" + std::string(100000, 'a') + "/"));
}

}  // namespace
