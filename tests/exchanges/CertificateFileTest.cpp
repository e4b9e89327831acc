#include "protocol/CertificateFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace lanvane {
namespace {

namespace fs = std::filesystem;

class LoadCertificateFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        directory = fs::temp_directory_path() /
                    ("lanvane-cert-" + std::to_string(std::random_device{}()));
        fs::create_directories(directory);
    }
    void TearDown() override { fs::remove_all(directory); }

    fs::path File(const std::string& name, const std::string& contents) {
        const fs::path path = directory / name;
        std::ofstream(path, std::ios::binary) << contents;
        return path;
    }

    // Something loaded earlier, which every refused load must wipe.
    void PreloadSomething() {
        ASSERT_EQ(LoadCertificateFile(File("old.pem", "-----BEGIN OLD-----END OLD"), certData),
                  CertificateOutcome::Ok);
    }

    fs::path directory;
    SecureBytes certData;
};

TEST_F(LoadCertificateFileTest, LoadsAValidFileExactly) {
    const std::string text = "-----BEGIN CERTIFICATE-----\r\nQUJD\r\n-----END CERTIFICATE-----\r\n";

    ASSERT_EQ(LoadCertificateFile(File("ca.pem", text), certData), CertificateOutcome::Ok);

    EXPECT_EQ(std::string(certData.data(), certData.data() + certData.size()), text);
}

TEST_F(LoadCertificateFileTest, RefusesLargeFilesAndKeepsNothing) {
    PreloadSomething();
    const std::string large = "-----BEGIN X" + std::string(3060, 'A') + "-----END";
    ASSERT_EQ(large.size(), 3080U);

    EXPECT_EQ(LoadCertificateFile(File("large.pem", large), certData),
              CertificateOutcome::TooLarge);
    EXPECT_TRUE(certData.empty());
}

TEST_F(LoadCertificateFileTest, RefusesWhatIsNotARegularFileWithoutReadingIt) {
    PreloadSomething();
    EXPECT_EQ(LoadCertificateFile(directory, certData), CertificateOutcome::TooLarge);
    EXPECT_TRUE(certData.empty());
    if (fs::exists("/dev/zero")) {
        EXPECT_EQ(LoadCertificateFile("/dev/zero", certData), CertificateOutcome::TooLarge);
    }
}

TEST_F(LoadCertificateFileTest, MissingFileIsAReadFailure) {
    PreloadSomething();
    EXPECT_EQ(LoadCertificateFile(directory / "missing.pem", certData),
              CertificateOutcome::ReadFailed);
    EXPECT_TRUE(certData.empty());
}

TEST_F(LoadCertificateFileTest, PathThroughAFileIsAReadFailure) {
    const fs::path file = File("plain.pem", "-----BEGIN X-----END X");
    EXPECT_EQ(LoadCertificateFile(file / "child.pem", certData), CertificateOutcome::ReadFailed);
    EXPECT_TRUE(certData.empty());
}

TEST_F(LoadCertificateFileTest, UnreadableFileIsAReadFailure) {
    const fs::path path = File("locked.pem", "-----BEGIN X-----END X");
    fs::permissions(path, fs::perms::none);
    if (std::ifstream(path).is_open()) {
        GTEST_SKIP() << "running with rights that read any file";
    }
    EXPECT_EQ(LoadCertificateFile(path, certData), CertificateOutcome::ReadFailed);
    EXPECT_TRUE(certData.empty());
}

TEST_F(LoadCertificateFileTest, InvalidFileKeepsNothing) {
    PreloadSomething();
    EXPECT_EQ(LoadCertificateFile(File("bad.pem", "-----BEGIN X but no end"), certData),
              CertificateOutcome::Invalid);
    EXPECT_TRUE(certData.empty());
}

TEST(SecureBytes, MovesWithoutCopyAndClears) {
    SecureBytes bytes(4);
    bytes.data()[0] = 0x42;
    const std::uint8_t* storage = bytes.data();

    SecureBytes moved = std::move(bytes);

    EXPECT_EQ(moved.data(), storage);
    EXPECT_EQ(moved.data()[0], 0x42);
    moved.Clear();
    EXPECT_TRUE(moved.empty());
}

}  // namespace
}  // namespace lanvane
