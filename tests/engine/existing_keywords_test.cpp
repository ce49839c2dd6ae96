#include "engine/output.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace orvanta {
namespace {

std::string Show(const std::string& page) {
    return ShowExistingKeywords(testing::WriteTempFile(page));
}

const std::string kFound = "Existing keyword meta tag:\r\n";
const std::string kNotFound = "No keyword meta tag found.";

TEST(ShowExistingKeywords, FindsTheFirstLineOfTheTag) {
    EXPECT_EQ(Show("<html>\r\n<head>\r\n  <META NAME=\"Keywords\" CONTENT=\"Rose,Soil\">  \r\n"
                   "</head>"),
              kFound + "<meta name=\"keywords\" content=\"rose,soil\">");
    // Line ends of any kind; the shown text is the line from the first "<meta " on.
    EXPECT_EQ(Show("<head>\n<title>x</title><meta name=\"description\" content=\"d\">"
                   "<meta name=\"keywords\"\ncontent=\"a\">\n</head>"),
              kFound + "<meta name=\"description\" content=\"d\"><meta name=\"keywords\"");
    // No entity replacement; the line is decoded and lower-cased.
    EXPECT_EQ(Show("<meta name=\"keywords\" content=\"&Auml;RGER,CAF\xC9\">"),
              kFound + "<meta name=\"keywords\" content=\"&auml;rger,caf\xC3\xA9\">");
    // The two tests are independent searches in the line.
    EXPECT_EQ(Show("\"keywords\" <meta name=x>"), kFound + "<meta name=x>");
}

TEST(ShowExistingKeywords, ReportsNoTag) {
    for (const char* page : {
             "<meta name='keywords' content='a'>",
             "<meta name=keywords content=a>",
             "<meta\tname=\"keywords\">",
             "<head></head><meta name=\"keywords\" content=\"a\">",
             "<head>\r\n</HEAD>\r\n<meta name=\"keywords\" content=\"a\">",
             "<p>no head and no tag</p>\r\n<p>still nothing</p>",
             "",
         }) {
        EXPECT_EQ(Show(page), kNotFound) << page;
    }
}

} // namespace
} // namespace orvanta
