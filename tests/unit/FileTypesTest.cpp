#include <gtest/gtest.h>

#include "config/FileTypes.h"
#include "unit/MemoryProfile.h"

using testing_support::MemoryProfile;
using namespace config;

TEST(FileTypes, DefaultsAreWrittenOnceWithAnEmptyFifthEntry) {
  MemoryProfile profile;
  EnsureDefaultFileTypes(profile);
  EXPECT_EQ(profile.writes, 14) << "four rows of three keys and Name5, Ext5";
  EXPECT_TRUE(profile.Has(L"FileTypes", L"Name5"));
  EXPECT_FALSE(profile.Has(L"FileTypes", L"Format5"));
  auto types = ReadFileTypes(profile);
  ASSERT_EQ(types.size(), 4u);
  EXPECT_EQ(BuildFilter(types),
            L"Text Files (*.txt;*.asc;*.diz)|*.txt;*.asc;*.diz|HyperText Markup Language Files (*.htm;*.html)|"
            L"*.htm;*.html|Rich Text Files (*.rtf)|*.rtf|Batch Files (*.bat)|*.bat|All Files (*.*)|*.*");
  EnsureDefaultFileTypes(profile);
  EXPECT_EQ(profile.writes, 14);
}

TEST(FileTypes, TheListEndsAtTheFirstEmptyName) {
  MemoryProfile profile;
  EnsureDefaultFileTypes(profile);
  profile.WriteText(L"FileTypes", L"Name3", L"");
  EXPECT_EQ(ReadFileTypes(profile).size(), 2u);
}

TEST(FileTypes, DisplayNames) {
  EXPECT_EQ(DisplayName(L"Text Files"), L"Text File ");
  EXPECT_EQ(DisplayName(L"Files of Files"), L"File  of Files");
  EXPECT_EQ(DisplayName(L"Scripts"), L"Scripts");
}

TEST(FileTypes, ExtensionListOfTheNewDialog) {
  EXPECT_EQ(SplitExtensions(L"*.txt;*.asc;*.diz"), (std::vector<std::wstring>{L"*.txt", L"*.asc", L"*.diz"}));
  EXPECT_EQ(SplitExtensions(L"*.a; *.b"), (std::vector<std::wstring>{L"*.a", L"*.b"}));
  EXPECT_EQ(SplitExtensions(L"*.a;;*.b"), (std::vector<std::wstring>{L"*.a", L"", L"*.b"}));
  EXPECT_EQ(SplitExtensions(L"*.a;"), (std::vector<std::wstring>{L"*.a;"})) << "the last character ends the piece";
  EXPECT_TRUE(SplitExtensions(L"").empty());
}

TEST(FileTypes, ExtensionsForTemplatesNamesAndTheDropDown) {
  EXPECT_EQ(TemplateExtension(L"*.txt"), L"txt");
  EXPECT_EQ(TemplateExtension(L"*.tar.gz"), L"gz");
  EXPECT_EQ(DocumentExtension(L"*.tar.gz"), L"tar.gz");
  EXPECT_EQ(DocumentExtension(L"README"), L"README");
  EXPECT_EQ(FirstPatternExtension(L"*.htm;*.html"), L"htm");
}

TEST(FileTypes, SaveAsFilterFollowsTheExtension) {
  MemoryProfile profile;
  EnsureDefaultFileTypes(profile);
  auto types = ReadFileTypes(profile);
  EXPECT_EQ(FilterIndexForExtension(types, L".txt"), 1);
  EXPECT_EQ(FilterIndexForExtension(types, L".htm"), 2);
  EXPECT_EQ(FilterIndexForExtension(types, L""), 1) << "a name without extension matches the first type";
  EXPECT_EQ(FilterIndexForExtension(types, L".xyz"), 0);
}
