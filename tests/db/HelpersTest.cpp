#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "db/MD5.h"
#include "db/ProgramFolder.h"

namespace {
CString Md5(const char* text) {
    CMD5 md5;
    return md5.DigestString(reinterpret_cast<const unsigned char*>(text), static_cast<unsigned>(std::strlen(text)));
}
}  // namespace

TEST(MD5, TheReferenceSuiteAndPasswords) {
    EXPECT_EQ(Md5(""), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Md5("abc"), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(Md5("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"), "d174ab98d277d9f5a5611c2c9f419d9f");
    EXPECT_EQ(Md5("12345678901234567890123456789012345678901234567890123456789012345678901234567890"),
              "57edf4a22be3c955ac49da2e2107b67a");
    // Lengths around the padding boundary (55, 56, 64 bytes).
    EXPECT_EQ(Md5(std::string(55, 'x').c_str()), "04364420e25c512fd958a70738aa8f72");
    EXPECT_EQ(Md5(std::string(56, 'x').c_str()), "668a72d5ba17f08e62dabcafad6db14b");
    EXPECT_EQ(Md5(std::string(64, 'x').c_str()), "c1bb4f81d892b2d57947682aeb252456");
    EXPECT_EQ(PasswordDigest("admin"), "21232f297a57a5a743894a0e4a801fc3");
    EXPECT_EQ(PasswordDigest("1234"), "81dc9bdb52d04dc20036dbd8313ed055");
    // A Cyrillic password is digested over its code page 1251 bytes, as typed (no trimming).
    EXPECT_EQ(PasswordDigest("парола"), Md5("\xEF\xE0\xF0\xEE\xEB\xE0"));
    EXPECT_NE(PasswordDigest("парола "), PasswordDigest("парола"));
}

TEST(ProgramFolder, TakenFromTheFirstItemOfTheCommandLine) {
    CProgramFolder folder;
    folder.InitAppDir("\"/opt/Кворин 2/quorin\"");
    EXPECT_EQ(folder.GetAppDir(), "/opt/Кворин 2/");
    EXPECT_EQ(folder.DatabasePath(), "/opt/Кворин 2/nomenklaturi.db3");
    folder.InitAppDir("\"C:\\Program Files\\Quorin\\quorin.exe\"");
    EXPECT_EQ(folder.GetAppDir(), "C:\\Program Files\\Quorin\\");
    folder.InitAppDir("quorin");
    EXPECT_EQ(folder.GetAppDir(), "");
    EXPECT_EQ(folder.DatabasePath(), "nomenklaturi.db3");
    folder.InitAppDir(nullptr);
    EXPECT_EQ(folder.GetAppDir(), "");
}
