// Document URIs as editors send them. The expected serialisations are those of Node.js's URL
// class (v20), recorded here so the test needs nothing but the parser.
#include <gtest/gtest.h>

#include <string>

#include "url/url.h"

namespace {

struct EditorUri {
  const char* input;
  const char* href;  // nullptr: the URI must be refused
};

const EditorUri kEditorUris[] = {
    // Raw and percent-encoded Cyrillic; lower-case escapes stay as they were sent.
    {"file:///home/user/проект/главный.код",
     "file:///home/user/%D0%BF%D1%80%D0%BE%D0%B5%D0%BA%D1%82/"
     "%D0%B3%D0%BB%D0%B0%D0%B2%D0%BD%D1%8B%D0%B9.%D0%BA%D0%BE%D0%B4"},
    {"file:///home/user/%D0%BF%D1%80%D0%BE%D0%B5%D0%BA%D1%82/main.код",
     "file:///home/user/%D0%BF%D1%80%D0%BE%D0%B5%D0%BA%D1%82/main.%D0%BA%D0%BE%D0%B4"},
    {"file:///home/user/%d0%bf%d1%80/x.код", "file:///home/user/%d0%bf%d1%80/x.%D0%BA%D0%BE%D0%B4"},
    {"file:///home/user/%e2%82%ac.код", "file:///home/user/%e2%82%ac.%D0%BA%D0%BE%D0%B4"},
    // Spaces, raw or encoded; a tab inside is dropped, blanks around are trimmed.
    {"file:///home/user/my project/a b.код", "file:///home/user/my%20project/a%20b.%D0%BA%D0%BE%D0%B4"},
    {"file:///home/user/my%20project/a%20b.код", "file:///home/user/my%20project/a%20b.%D0%BA%D0%BE%D0%B4"},
    {"file:///home/user/таб\tы.код", "file:///home/user/%D1%82%D0%B0%D0%B1%D1%8B.%D0%BA%D0%BE%D0%B4"},
    {" file:///home/user/a.код ", "file:///home/user/a.%D0%BA%D0%BE%D0%B4"},
    // localhost is no host; upper-case schemes are lowered.
    {"file://localhost/home/user/a.код", "file:///home/user/a.%D0%BA%D0%BE%D0%B4"},
    {"file://LOCALHOST/home/user/a.код", "file:///home/user/a.%D0%BA%D0%BE%D0%B4"},
    {"FILE:///home/user/a.код", "file:///home/user/a.%D0%BA%D0%BE%D0%B4"},
    {"File:///home/user/a.код", "file:///home/user/a.%D0%BA%D0%BE%D0%B4"},
    {"HTTP://Example.COM:80/a", "http://example.com/a"},
    // Unsaved buffers and other editor schemes.
    {"untitled:Untitled-1", "untitled:Untitled-1"},
    {"Untitled:Untitled-1", "untitled:Untitled-1"},
    {"untitled:Безымянный-1", "untitled:%D0%91%D0%B5%D0%B7%D1%8B%D0%BC%D1%8F%D0%BD%D0%BD%D1%8B%D0%B9-1"},
    {"inmemory://model/1", "inmemory://model/1"},
    {"vscode-notebook-cell:/home/user/a.код#W0sZmlsZQ%3D%3D",
     "vscode-notebook-cell:/home/user/a.%D0%BA%D0%BE%D0%B4#W0sZmlsZQ%3D%3D"},
    {"git:/home/user/a.код?%7B%22path%22%3A%22%2Fhome%22%7D",
     "git:/home/user/a.%D0%BA%D0%BE%D0%B4?%7B%22path%22%3A%22%2Fhome%22%7D"},
    {"vscode-remote://ssh-remote%2Bhost/home/user/a.код",
     "vscode-remote://ssh-remote%2Bhost/home/user/a.%D0%BA%D0%BE%D0%B4"},
    // Windows drives: an encoded colon is kept as sent, '|' becomes ':', '..' stops at the drive.
    {"file:///c%3A/Users/user/%D0%BF%D1%80%D0%BE%D0%B5%D0%BA%D1%82/a.%D0%BA%D0%BE%D0%B4",
     "file:///c%3A/Users/user/%D0%BF%D1%80%D0%BE%D0%B5%D0%BA%D1%82/a.%D0%BA%D0%BE%D0%B4"},
    {"file:///C:/Users/user/проект/a.код",
     "file:///C:/Users/user/%D0%BF%D1%80%D0%BE%D0%B5%D0%BA%D1%82/a.%D0%BA%D0%BE%D0%B4"},
    {"file:///c:/Users/user/a.код", "file:///c:/Users/user/a.%D0%BA%D0%BE%D0%B4"},
    {"file:///C|/Users/a.код", "file:///C:/Users/a.%D0%BA%D0%BE%D0%B4"},
    {"file:C:/Users/a.код", "file:///C:/Users/a.%D0%BA%D0%BE%D0%B4"},
    {"file:///C:\\Users\\a.код", "file:///C:/Users/a.%D0%BA%D0%BE%D0%B4"},
    {"file://localhost/c%3A/Users/a.код", "file:///c%3A/Users/a.%D0%BA%D0%BE%D0%B4"},
    {"file://localhost/C:/Users/a.код", "file:///C:/Users/a.%D0%BA%D0%BE%D0%B4"},
    {"file:///C:/Users/../../a.код", "file:///C:/a.%D0%BA%D0%BE%D0%B4"},
    {"file:///C:/../a.код", "file:///C:/a.%D0%BA%D0%BE%D0%B4"},
    // Dot segments, queries, fragments, odd characters and UNC hosts.
    {"file:///home/user/./a/../b.код", "file:///home/user/b.%D0%BA%D0%BE%D0%B4"},
    {"file:///home/user/%2e%2E/a.код", "file:///home/a.%D0%BA%D0%BE%D0%B4"},
    {"file:///home/user/a.код#L10", "file:///home/user/a.%D0%BA%D0%BE%D0%B4#L10"},
    {"file:///home/user/a.код?x=1", "file:///home/user/a.%D0%BA%D0%BE%D0%B4?x=1"},
    {"file:///home/user/100%/a.код", "file:///home/user/100%/a.%D0%BA%D0%BE%D0%B4"},
    {"file:///home/user/a%2Fb.код", "file:///home/user/a%2Fb.%D0%BA%D0%BE%D0%B4"},
    {"file:///home/user/{x}[y]`.код", "file:///home/user/%7Bx%7D[y]%60.%D0%BA%D0%BE%D0%B4"},
    {"file://server/share/a.код", "file://server/share/a.%D0%BA%D0%BE%D0%B4"},
    {"file://Сервер/share/a.код", "file://xn--b1afb6bcb/share/a.%D0%BA%D0%BE%D0%B4"},
};

TEST(АдресаРедактора, SerialiseAsNodeDoes) {
  for (const EditorUri& uri : kEditorUris) {
    const auto got = тувра::url::parse(uri.input);
    ASSERT_TRUE(got) << uri.input << ": " << got.error().message;
    EXPECT_EQ(got->href(), uri.href) << uri.input;
  }
}

// Two spellings of one document are one key; a re-parse of a key is the key itself.
TEST(АдресаРедактора, KeysAreStable) {
  for (const EditorUri& uri : kEditorUris) {
    const auto first = тувра::url::parse(uri.input);
    ASSERT_TRUE(first);
    const auto again = тувра::url::parse(first->href());
    ASSERT_TRUE(again) << first->href();
    EXPECT_EQ(*again, *first);
    EXPECT_EQ(std::hash<тувра::url::Url>{}(*again), std::hash<тувра::url::Url>{}(*first));
  }
  EXPECT_EQ(*тувра::url::parse("file:///home/user/проект/a.код"),
            *тувра::url::parse("FILE://localhost/home/user/%D0%BF%D1%80%D0%BE%D0%B5%D0%BA%D1%82/a.код"));
  EXPECT_FALSE(*тувра::url::parse("file:///home/user/a.код") == *тувра::url::parse("file:///home/user/b.код"));
}

}  // namespace
