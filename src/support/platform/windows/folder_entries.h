// What the Windows file layer makes of folder entries as FindFirstFileExW reports them: their
// kinds and the removal of a tree. The system calls stand behind an interface, so that entries no
// Wine can make (junctions, symbolic links) can be fed in.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/platform/files.h"

namespace тувра::платформа::windows {

struct НайденнаяЗапись {
  std::wstring имя;
  DWORD атрибуты = 0;
  DWORD метка = 0;  // the reparse tag, when the attributes hold FILE_ATTRIBUTE_REPARSE_POINT
};

class СистемаПапок {
 public:
  virtual ~СистемаПапок() = default;
  // The entries of the folder, "." and ".." left out.
  virtual ИтогФайла<std::vector<НайденнаяЗапись>> перечислить(const std::wstring& папка) = 0;
  virtual bool удалить_папку(const std::wstring& путь) = 0;
  virtual bool удалить_файл(const std::wstring& путь) = 0;
  virtual void снять_только_чтение(const std::wstring& путь, DWORD атрибуты) = 0;
  // The error of the last call that failed.
  virtual DWORD последняя_ошибка() = 0;
};

// Any reparse point is a link, whatever its tag: what it leads to may lie anywhere.
ВидЗаписи вид_по_атрибутам(DWORD атрибуты);

std::vector<ЗаписьПапки> записи_из_найденных(const std::vector<НайденнаяЗапись>& найденные);

// Removes `корень` (with these attributes) and, when it is a real folder, everything below it; a
// link or junction goes itself, never what it leads to.
ИтогФайла<Пусто> удалить_дерево_через(СистемаПапок& система, const std::wstring& корень, DWORD атрибуты);

}  // namespace тувра::платформа::windows
