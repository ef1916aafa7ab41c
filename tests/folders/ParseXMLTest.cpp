#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/support/TempDir.h"
#include "tests/support/TestPanel.h"
#include "tools/FolderAnswer.h"

namespace {

// The answer element `inner` inside an envelope and body; `answerName` as
// the device writes it.
std::string answerWith(const std::string& inner, const std::string& prolog = "<?xml version=\"1.0\"?>") {
    return prolog +
           "<s:Envelope xmlns:s=\"urn:e\"><s:Header/><s:Body>"
           "<m:list-files-response xmlns:m=\"urn:f\">" +
           inner + "</m:list-files-response></s:Body></s:Envelope>";
}

std::string entry(const std::string& inner) {
    return "<file>" + inner + "</file>";
}

// The list in one line: each name with its flags, "+p" protected, "+d" dir,
// "+a" add.
std::string summary(const FolderList& list) {
    std::string text;
    for (const FolderRecord& r : list)
        text += r.name + (r.password ? "+p" : "") + (r.dir ? "+d" : "") + (r.add ? "+a" : "") + ";";
    return text;
}

class ParseXML : public testing::Test {
protected:
    bool parse(const std::string& contents) {
        return panel->parseXML(directory.write("answer.xml", contents).string());
    }

    std::string list() const { return summary(*panel->deviceFolders.folderList); }

    std::shared_ptr<NelvoPrintPdeZlm420kJC> panel = makePanel(std::make_shared<FakeHost>());
    TempDir directory;
};

}  // namespace

TEST_F(ParseXML, ReadsEveryEntryInOrderAndPrettyPrintingChangesNothing) {
    const std::vector<SimulatedFolder> folders = {
        {"Sales", false, false}, {"Board & Staff", true, false}, {"Archiv \xc3\x9c", false, true}};
    for (const bool pretty : {false, true}) {
        ASSERT_TRUE(parse(folderListAnswer(folders, "ok", pretty))) << pretty;
        EXPECT_EQ(list(), "Sales;Board & Staff+p;Archiv \xc3\x9c+d;");
    }
}

TEST_F(ParseXML, TheAnswersResultCodeAndFilesDecideTheList) {
    const std::string a = entry("<name>A</name>");
    const struct {
        std::string inner;
        bool parsed;
        std::string names;
    } answers[] = {
        {"<files>" + a + "</files>", true, "A;"},  // no result code counts as success
        {"<result-code>unsupported-operation</result-code><files>" + a + "</files>", false, ""},
        {"<result-code>OK</result-code><files/>", false, ""},
        {"<result-code>ok</result-code>", false, ""},
        {"<result-code>busy</result-code><files>" + entry("<name>first</name>") + "</files><files>" +
             entry("<name>second</name>") + "</files><result-code>ok</result-code>",
         true, "second;"},
        // An entry without a name is skipped, not given the name before it.
        {"<files>" + a + entry("<password>true</password>") + entry("<name>B</name>") + "</files>", true, "A;B;"},
        // Names match exactly, prefix included.
        {"<m:files>" + a + "</m:files>", false, ""},
        {"<files>" + entry("<m:name>A</m:name>") + "</files>", true, ""},
        {"<files>" + entry("<name>R&amp;D <b>2</b><![CDATA[<x>]]></name>") + "</files>", true, "R&D 2<x>;"},
        // A name that a menu or terminal would act on is skipped.
        {"<files>" + entry("<name>a&#9;b</name>") + entry("<name>\x7f</name>") + entry("<name>c\xc2\x85</name>") +
             entry("<name>d\xc2\x9f</name>") + entry("<name>&#x41;&lt;</name>") + "</files>",
         true, "A<;"},
    };
    for (const auto& answer : answers) {
        panel->deviceFolders.folderList = FolderList{{"old", false, false, false}};
        EXPECT_EQ(parse(answerWith(answer.inner)), answer.parsed) << answer.inner;
        ASSERT_TRUE(panel->deviceFolders.folderList) << answer.inner;
        EXPECT_EQ(list(), answer.names) << answer.inner;
    }
}

TEST_F(ParseXML, FlagsAreSetOnlyByTheExactTextTrueAndOneTrueSuffices) {
    EXPECT_TRUE(
        parse(answerWith("<files>" + entry("<name>a</name><password>True</password><dir>TRUE</dir>") +
                         entry("<name>b</name><?pi x?><password>true</password><!-- c --><password>false</password>") +
                         entry("<name>c</name><dir> true</dir><dir>true</dir>") + "</files>")));
    EXPECT_EQ(list(), "a;b+p;c+d;");
}

TEST_F(ParseXML, TheWalkTakesLastChildrenSoATrailingCommentHidesTheAnswer) {
    const std::string body = "<m:r><files>" + entry("<name>A</name>") + "</files></m:r>";
    EXPECT_FALSE(parse("<s:Envelope><s:Body>" + body + "<!-- trailer --></s:Body></s:Envelope>"));
    EXPECT_EQ(list(), "");
    EXPECT_FALSE(parse("<s:Envelope><s:Body/></s:Envelope>"));
    EXPECT_EQ(list(), "");
    // The names of envelope, body and answer are not looked at.
    EXPECT_TRUE(parse("<a><b>" + body + "</b></a>"));
    EXPECT_EQ(list(), "A;");
}

TEST_F(ParseXML, WhatCannotBeLoadedLeavesTheListAsItWas) {
    const std::string valid = answerWith("<files>" + entry("<name>A</name>") + "</files>");
    const auto named = [](const std::string& name) {
        return answerWith("<files>" + entry("<name>" + name + "</name>") + "</files>");
    };
    for (const std::string& contents :
         {std::string(), std::string("<a/><b/>"), valid.substr(0, valid.size() - 3), valid + "junk", "junk" + valid,
          named("&bogus;"), named("a & b"), named("a&#0;b"), named("&#27;[2J"), named("&#xD800;"), named("\x1b[2J")}) {
        panel->deviceFolders.folderList = FolderList{{"kept", false, false, false}};
        EXPECT_FALSE(parse(contents)) << contents;
        EXPECT_EQ(list(), "kept;") << contents;
    }
    EXPECT_FALSE(panel->parseXML((directory.path() / "missing.xml").string()));
    EXPECT_EQ(list(), "kept;");
}

TEST_F(ParseXML, AnAnswerIsDecodedFromTheEncodingItNamesAndIsNotXMLWhenItCannotBe) {
    const auto declaring = [](const std::string& encoding, const std::string& name) {
        return answerWith("<files>" + entry("<name>" + name + "</name>") + "</files>",
                          "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>");
    };
    const std::pair<std::string, std::string> answers[] = {
        {declaring("Shift_JIS", "\x89\x63\x8b\xc6"), "\u55b6\u696d;"},
        {declaring("EUC-JP", "\xb1\xc4\xb6\xc8"), "\u55b6\u696d;"},
        {declaring("windows-1252", "B\xfcro \x80"), "B\u00fcro \u20ac;"},
        {"\xef\xbb\xbf" + answerWith("<files>" + entry("<name>\u00c4</name>") + "</files>"), "\u00c4;"},
        {declaring("UTF-8", "B\xfcro"), "kept;"},
        {answerWith("<files>" + entry("<name>\xff\xfe</name>") + "</files>", ""), "kept;"},
        {declaring("windows-1252", "\x81"), "kept;"},
        {declaring("UTF-8//IGNORE", "B\xfcro"), "kept;"},
        {declaring("no-such-encoding", "x"), "kept;"},
    };
    for (const auto& [bytes, names] : answers) {
        panel->deviceFolders.folderList = FolderList{{"kept", false, false, false}};
        EXPECT_EQ(parse(bytes), names != "kept;") << bytes;
        EXPECT_EQ(list(), names) << bytes;
    }
}

TEST_F(ParseXML, AFileThatAnotherCouldHavePlantedIsNotRead) {
    const std::string valid = answerWith("<files>" + entry("<name>planted</name>") + "</files>");
    const auto real = directory.write("real.xml", valid);
    const auto link = directory.path() / "link.xml";
    std::filesystem::create_symlink(real, link);
    panel->deviceFolders.folderList = FolderList{{"kept", false, false, false}};

    EXPECT_FALSE(panel->parseXML(link.string()));
    ASSERT_EQ(chmod(real.c_str(), 0622), 0);
    EXPECT_FALSE(panel->parseXML(real.string()));
    EXPECT_EQ(list(), "kept;");
}
