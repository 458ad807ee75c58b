// Runs the outside program `git`: found on the search path, arguments as a list,
// no shell, empty standard input, no terminal prompts; both outputs captured whole.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "messages.h"
#include "support/expected.h"

namespace тувра::пакеты {

// Generous for a clone over a slow network; past it git is stuck, not slow.
inline constexpr std::chrono::minutes кПределGit{10};

struct ВыводGit {
  int код_выхода = -1;    // -1 when git was ended by a signal or by the time limit
  bool истекло = false;   // git was stopped after кПределGit
  bool прервано = false;  // git was stopped, or never started, for an interruption of this program
  std::string вывод;      // standard output, UTF-8 with invalid bytes replaced
  std::string ошибки;     // standard error, likewise

  bool успех() const { return код_выхода == 0 && !истекло && !прервано; }
  // What a failure message shows: git's standard error, or why git was stopped.
  std::string причина() const;
};

// Runs git with `папка` as its working folder: an existing folder of this run's own (an empty
// clone folder, the index copy), above which git looks for no repository, so that no `.git` of
// the project or the caller is found; the caller's variables that name a repository are dropped.
// The error is the system's text when the program could not be started.
Итог<ВыводGit, std::string> запустить_git(const std::vector<std::string>& аргументы, const std::string& папка,
                                          std::chrono::milliseconds предел = кПределGit);

// Refuses a URL, branch or tag that git would take for an option, with the message of `что`.
Итог<Пусто, std::string> проверить_аргумент_git(std::string_view значение, АргументGit что);

}  // namespace тувра::пакеты
