#include "appearance/menu_items.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kelp {
namespace {

TEST(MenuItems, TabRuleLinesUpAcceleratorTexts) {
  ASSERT_EQ(std::strlen("退出(&X)"), 8u) << "build with -fexec-charset=GBK";
  EXPECT_EQ(StoredMenuLabel("退出(&X)\tCtrl+X"), "退出(&X)\t\tCtrl+X");
  EXPECT_EQ(StoredMenuLabel("成绩单...\tF7"), "成绩单...\tF7");
  EXPECT_EQ(StoredMenuLabel("初级练习(&B)\tF2"), "初级练习(&B)\tF2");
  EXPECT_EQ(StoredMenuLabel("\tF1"), "\tF1");
  EXPECT_EQ(StoredMenuLabel("A\tB\tC"), "A\t\tB\tC");
  EXPECT_EQ(StoredMenuLabel("设置背景图..."), "设置背景图...");
  EXPECT_EQ(StoredMenuLabel(std::string(300, 'a')).size(), 255u);
}

TEST(MenuItems, MnemonicLetters) {
  EXPECT_EQ(MnemonicOf("初级练习(&B)\tF2"), 'b');
  EXPECT_EQ(MnemonicOf("Fish && &Chips"), 'c');
  EXPECT_EQ(MnemonicOf("&Zip"), 'z');
  EXPECT_EQ(MnemonicOf("&Ant"), 'a');
  EXPECT_EQ(MnemonicOf("&ant"), 'a');
  EXPECT_FALSE(MnemonicOf("成绩单..."));
  EXPECT_FALSE(MnemonicOf("&. and &x"));  // only a letter or digit after the first "&"
  EXPECT_FALSE(MnemonicOf("A&&B"));
  EXPECT_FALSE(MnemonicOf("trailing&"));
  EXPECT_FALSE(MnemonicOf(""));
  // A GBK character whose second byte is '&' would be no mnemonic; neither is a
  // lead byte at the very end.
  EXPECT_FALSE(MnemonicOf(std::string("\x81&x", 3)));
  EXPECT_FALSE(MnemonicOf(std::string("\xB0", 1)));
}

}  // namespace
}  // namespace kelp
