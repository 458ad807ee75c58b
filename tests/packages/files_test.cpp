#include "files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace тувра::пакеты {
namespace {

namespace fs = std::filesystem;

// A scratch folder holding a project (`проект`) and a folder outside it (`снаружи`).
class Файлы : public ::testing::Test {
 protected:
  void SetUp() override {
    прежняя_папка_ = fs::current_path();
    char шаблон[] = "/tmp/tuvra_files_XXXXXX";
    корень_ = ::mkdtemp(шаблон);
    fs::create_directories(корень_ / "проект");
    fs::create_directories(корень_ / "снаружи");
    положить(корень_ / "снаружи" / "важное", "не трогать\n");
  }
  void TearDown() override {
    fs::current_path(прежняя_папка_);
    fs::remove_all(корень_);
  }

  static void положить(const fs::path& путь, const std::string& текст) {
    std::ofstream(путь, std::ios::binary) << текст;
  }
  static std::string взять(const fs::path& путь) {
    std::ostringstream текст;
    текст << std::ifstream(путь, std::ios::binary).rdbuf();
    return текст.str();
  }
  fs::path проект() const { return корень_ / "проект"; }
  std::string снаружи() const { return взять(корень_ / "снаружи" / "важное"); }
  // Every entry of the project folder, so that a leftover temporary file shows.
  std::vector<std::string> содержимое() const {
    std::vector<std::string> имена;
    for (const auto& запись : fs::directory_iterator(проект())) имена.push_back(запись.path().filename().string());
    std::sort(имена.begin(), имена.end());
    return имена;
  }

  fs::path прежняя_папка_;
  fs::path корень_;
};

TEST_F(Файлы, ЧтениеОтказываетВсемуКромеОбычныхФайлов) {
  положить(проект() / "обычный", "текст\n");
  fs::create_symlink(корень_ / "снаружи" / "важное", проект() / "ссылка");
  fs::create_directory_symlink(корень_ / "снаружи", проект() / "папка_ссылка");
  fs::create_directories(проект() / "папка");
  ASSERT_EQ(::mkfifo((проект() / "канал").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", проект() / "ноль");
  положить(проект() / "большой", std::string(16u * 1024u * 1024u + 1u, 'x'));
  положить(проект() / "ровно", std::string(16u * 1024u * 1024u, 'x'));

  const std::vector<std::pair<std::string, std::string>> отказы = {
      {"ссылка", "символическая ссылка"},       {"папка_ссылка/важное", "символическая ссылка"},
      {"ноль", "символическая ссылка"},         {"канал", "это не обычный файл (устройство, канал или сокет)"},
      {"папка", std::strerror(EISDIR)},         {"большой", "файл больше 16 МиБ"},
      {"нет", std::strerror(ENOENT)},           {"нет/файл", std::strerror(ENOENT)},
      {"обычный/файл", std::strerror(ENOTDIR)},
  };
  for (const auto& [путь, причина] : отказы) {
    auto прочитано = прочитать_байты(проект(), путь);
    ASSERT_FALSE(прочитано.has_value()) << путь;
    EXPECT_EQ(прочитано.error(), причина) << путь;
  }
  EXPECT_EQ(прочитать_байты(проект(), "обычный").value(), "текст\n");
  EXPECT_EQ(прочитать_байты(проект(), "ровно").value().size(), 16u * 1024u * 1024u);

  // The folder a path starts from is the user's and may itself be reached through a link.
  EXPECT_EQ(прочитать_байты(проект() / "папка_ссылка", "важное").value(), "не трогать\n");
  // A whole absolute path trusts all but its last component, a relative one nothing.
  EXPECT_EQ(прочитать_байты(проект() / "папка_ссылка" / "важное").value(), "не трогать\n");
  fs::current_path(проект());
  EXPECT_EQ(прочитать_байты("папка_ссылка/важное").error(), "символическая ссылка");
  EXPECT_EQ(прочитать_текст("обычный").value(), "текст\n");
}

TEST_F(Файлы, ЗаписьНеПроходитПоСсылкамИНеОставляетЧерновиков) {
  fs::create_symlink(корень_ / "снаружи" / "важное", проект() / "ссылка");
  fs::create_directory_symlink(корень_ / "снаружи", проект() / "папка_ссылка");
  fs::create_directories(проект() / "папка");
  ASSERT_EQ(::mkfifo((проект() / "канал").c_str(), 0600), 0);
  const std::vector<std::pair<std::string, std::string>> отказы = {
      {"ссылка", "символическая ссылка"},
      {"папка_ссылка/важное", "символическая ссылка"},
      {"канал", "это не обычный файл (устройство, канал или сокет)"},
      {"папка", std::strerror(EISDIR)},
  };
  for (const auto& [путь, причина] : отказы) {
    auto записано = записать_текст(проект(), путь, "новое\n");
    ASSERT_FALSE(записано.has_value()) << путь;
    EXPECT_EQ(записано.error(), причина) << путь;
  }
  EXPECT_EQ(снаружи(), "не трогать\n");
  EXPECT_TRUE(fs::is_symlink(проект() / "ссылка"));
  EXPECT_EQ(содержимое(), (std::vector<std::string>{"канал", "папка", "папка_ссылка", "ссылка"}));
}

TEST_F(Файлы, ЗаписьЗаменяетФайлЦеликом) {
  ASSERT_TRUE(записать_текст(проект(), "новый", "один\n").has_value());
  EXPECT_EQ(взять(проект() / "новый"), "один\n");

  // The old file's bits carry over; a second name of the old file keeps the old text.
  положить(проект() / "старый", "было\n");
  ::chmod((проект() / "старый").c_str(), 0640);
  fs::create_hard_link(проект() / "старый", проект() / "вторая_ссылка");
  ASSERT_TRUE(записать_текст(проект(), "старый", "стало\n").has_value());
  EXPECT_EQ(взять(проект() / "старый"), "стало\n");
  EXPECT_EQ(взять(проект() / "вторая_ссылка"), "было\n");
  EXPECT_EQ(fs::status(проект() / "старый").permissions() & fs::perms::mask,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(содержимое(), (std::vector<std::string>{"вторая_ссылка", "новый", "старый"}));
}

TEST_F(Файлы, УдалениеНеПроходитПоСсылкам) {
  fs::create_directory_symlink(корень_ / "снаружи", проект() / "папка_ссылка");
  auto удалено = удалить_файл_внутри(проект(), "папка_ссылка/важное");
  ASSERT_FALSE(удалено.has_value());
  EXPECT_EQ(удалено.error(), "символическая ссылка");
  EXPECT_EQ(снаружи(), "не трогать\n");

  // A link as the last component goes itself; what it points at stays.
  fs::create_symlink(корень_ / "снаружи" / "важное", проект() / "ссылка");
  ASSERT_TRUE(удалить_файл_внутри(проект(), "ссылка").has_value());
  EXPECT_FALSE(fs::exists(fs::symlink_status(проект() / "ссылка")));
  EXPECT_EQ(снаружи(), "не трогать\n");
}

}  // namespace
}  // namespace тувра::пакеты
