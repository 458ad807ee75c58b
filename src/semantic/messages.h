// Every message of the analysis, one function per message, grouped by topic. Types are
// placed in their debug rendering, counts in decimal.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "semantic/types.h"

namespace тувра::сообщения {

// The template with each "{}" replaced by the next value.
std::string заполнить(std::string_view шаблон, std::initializer_list<std::string_view> значения);

// Shared by several checks
std::string несовпадение_типов(std::string_view имя, const Тип& ожидался, const Тип& получено);

// Suggestions and undeclared names
std::string подсказка(std::string_view имя);
std::string переменная_не_объявлена(std::string_view имя, std::string_view подсказка);
std::string функция_не_объявлена(std::string_view имя, std::string_view подсказка);

// Program passes
std::string контракт_объявлен_повторно(std::string_view контракт);
std::string имя_зарезервировано_под_встроенную_функцию(std::string_view имя);
std::string функция_объявлена_повторно_в_главном_файле(std::string_view функция);
std::string функция_только_один_обобщённый_параметр(std::string_view функция);
std::string функция_объявлена_повторно_в_модуле(std::string_view функция, std::string_view модуль);
std::string обобщённая_функция_в_модуле(std::string_view функция, std::string_view модуль);
std::string внешняя_функция_объявлена_повторно(std::string_view функция);
std::string имя_зарезервировано_под_встроенный_тип(std::string_view имя);
std::string структура_объявлена_повторно(std::string_view структура);
std::string метод_объявлен_повторно(std::string_view структура, std::string_view метод);
std::string метод_только_один_обобщённый_параметр(std::string_view структура, std::string_view метод);
std::string контракт_структуры_не_найден(std::string_view структура, std::string_view контракт);
std::string нет_метода_контракта(std::string_view структура, std::string_view контракт, std::string_view метод);
std::string параметры_не_совпадают_с_контрактом(std::string_view структура, std::string_view метод,
                                                std::string_view контракт, std::span<const Тип> ожидает,
                                                std::span<const Тип> у_метода);
std::string возврат_не_совпадает_с_контрактом(std::string_view структура, std::string_view метод,
                                              std::string_view контракт, const std::optional<Тип>& ожидает,
                                              const std::optional<Тип>& у_метода);
std::string поле_объявлено_повторно(std::string_view структура, std::string_view поле);
std::string слабая_не_структура(std::string_view структура, std::string_view поле, const Тип& тип);
std::string неизвестный_тип_поля(std::string_view структура, std::string_view поле, std::string_view тип);
std::string тип_поля_не_поддержан(std::string_view структура, std::string_view поле);
std::string опциональное_поле(std::string_view структура, std::string_view поле);
// No thread with the analysis's stack (размер bytes) could be made: the analysis did not run.
std::string стек_анализа_не_выделен(std::size_t размер);

// Statements
std::string переменная_уже_объявлена(std::string_view имя);
std::string переменная_уже_объявлена_в_области(std::string_view имя);
std::string присваивание_неизменной(std::string_view имя);
std::string не_удалось_вывести_тип(std::string_view имя);
std::string индекс_цели_не_целый(const Тип& индекс);
std::string индексация_цели_не_массива(const Тип& тип);
std::string поле_не_у_структуры(std::string_view поле, const Тип& тип);
std::string структура_цели_не_найдена(std::string_view структура);
std::string нет_поля_цели(std::string_view структура, std::string_view поле);
std::string доступ_через_точку_не_к_структуре(const Тип& тип);
std::string условие_если(const Тип& условие);
std::string условие_пока();
std::string для_каждого_не_коллекция(const Тип& коллекция);
std::string прервать_вне_цикла();
std::string продолжить_вне_цикла();
std::string возврат_без_типа_возврата();
std::string возврат_без_значения(const Тип& ожидался);
std::string ошибка_не_текст(const Тип& сообщение);
std::string возврат_не_реализует_контракт(std::string_view структура, std::string_view контракт);
std::string создать_канал_без_аргументов();
std::string структура_не_реализует_контракт(std::string_view имя, std::string_view структура,
                                            std::string_view контракт);
std::string контракт_справа_не_структура(std::string_view имя, std::string_view контракт, const Тип& получено);
std::string массив_без_размера(std::string_view имя, std::string_view элемент);
std::string элементы_массива_другого_типа(std::string_view имя, const Тип& элементы, const Тип& объявлен);
std::string опциональный_не_скаляр(std::string_view имя, const Тип& тип);
std::string опциональный_параметр_функции(std::string_view функция, std::string_view параметр);
std::string опциональный_возврат_функции(std::string_view функция);
std::string функция_не_возвращает_на_всех_путях(std::string_view функция);
std::string метод_не_возвращает_на_всех_путях(std::string_view метод);

// Expressions
std::string ошибка_ожидает_текст(const Тип& тип);
std::string интерполяция_не_поддерживает(const Тип& тип);
std::string пустой_литерал_массива();
std::string элемент_массива_другого_типа(std::size_t номер, const Тип& тип, const Тип& первый);
std::string структура_не_найдена_в_таблице(std::string_view структура);
std::string нет_поля(std::string_view структура, std::string_view поле);
std::string нет_поля_результата(std::string_view поле);
std::string нет_поля_опционального(std::string_view поле);
std::string доступ_через_точку(const Тип& тип);
std::string индекс_не_целый(const Тип& тип);
std::string индексация_не_массива(const Тип& тип);
std::string проброс_вне_функции_результата();
std::string проброс_не_результата(const Тип& тип);
std::string арифметика_разных_типов(const Тип& левый, const Тип& правый);
std::string сравнение_разных_типов(const Тип& левый, const Тип& правый);
std::string логические_не_верно();
std::string побитовая_разных_типов(const Тип& левый, const Тип& правый);
std::string побитовые_не_целые();
std::string сдвиг_разных_типов(const Тип& левый, const Тип& правый);
std::string сдвиг_не_целые();
std::string поле_приватное(std::string_view структура, std::string_view поле);
// A node or operator the typing has no rule for; no parsed tree holds one.
std::string выражение_без_правила();

// Calls and built-in functions
// Argument contexts of the type-mismatch message: "ф(...): аргумент 2", "Точка.x", "обмен(а)".
std::string контекст_аргумента(std::string_view функция, std::size_t номер);
std::string контекст_поля(std::string_view структура, std::string_view поле);
std::string контекст_параметра(std::string_view функция, std::string_view параметр);
// A built-in function's wrong number of arguments, and its refused argument (номер from 1).
std::string встроенная_число_аргументов(std::string_view функция);
std::string встроенная_тип_аргумента(std::string_view функция, std::size_t номер, const Тип& тип);
std::string список_один_типовый_параметр();
std::string список_без_аргументов();
std::string словарь_два_типовых_параметра();
std::string словарь_без_аргументов();
std::string словарь_ключ(const Тип& ключ);
std::string конструктор_обобщённой_число_аргументов(std::string_view структура, std::size_t полей,
                                                    std::size_t аргументов);
std::string обобщённая_функция_один_типовый_параметр(std::string_view функция);
std::string обобщённая_функция_число_аргументов(std::string_view функция, std::size_t параметров,
                                                std::size_t аргументов);
std::string приведение_не_числа(std::string_view приведение, const Тип& тип);
std::string конструктор_число_аргументов(std::string_view структура, std::size_t полей, std::size_t аргументов);
std::string функция_число_аргументов(std::string_view функция, std::size_t параметров, std::size_t аргументов);
std::string аргумент_не_реализует_контракт(std::string_view функция, std::size_t номер, std::string_view структура,
                                           std::string_view контракт);
std::string аргумент_не_реализует_контракт_без_подсказки(std::string_view функция, std::size_t номер,
                                                         std::string_view структура, std::string_view контракт);
std::string функция_потеряна(std::string_view функция);
std::string имя_неоднозначно(std::string_view функция, std::span<const std::string> модули);

// Method calls and container methods
std::string функция_модуля_не_найдена(std::string_view модуль, std::string_view функция);
std::string функция_модуля_число_аргументов(std::string_view модуль, std::string_view функция,
                                            std::size_t параметров, std::size_t аргументов);
std::string аргумент_функции_модуля_не_реализует_контракт(std::string_view модуль, std::string_view функция,
                                                          std::size_t номер, std::string_view структура,
                                                          std::string_view контракт);
std::string контекст_аргумента_модуля(std::string_view модуль, std::string_view функция, std::size_t номер);
std::string жива_без_аргументов(std::string_view поле, std::size_t аргументов);
std::string метод_не_на_структуре(std::string_view метод, const Тип& тип);
std::string обобщённый_метод_один_типовый_параметр(std::string_view структура, std::string_view метод,
                                                   std::size_t передано);
std::string метод_приватный(std::string_view структура, std::string_view метод);
std::string метод_число_аргументов(std::string_view структура, std::string_view метод, std::size_t параметров,
                                   std::size_t аргументов);
std::string нет_метода(std::string_view структура, std::string_view метод);
std::string контракт_не_найден_в_реестре(std::string_view контракт);
std::string у_контракта_нет_метода(std::string_view контракт, std::string_view метод, std::string_view доступны);
std::string метод_контракта_число_аргументов(std::string_view контракт, std::string_view метод,
                                             std::size_t параметров, std::size_t аргументов);
std::string аргумент_метода_контракта(std::string_view контракт, std::string_view метод, std::string_view параметр,
                                      const Тип& ожидался, const Тип& получен);
std::string канал_отправить_число(std::size_t аргументов);
std::string канал_получить_число(std::size_t аргументов);
std::string канал_освободить_число(std::size_t аргументов);
std::string канал_нет_метода(std::string_view метод);
std::string список_добавить_число(std::size_t аргументов);
std::string добавить_не_реализует_контракт(std::string_view структура, std::string_view контракт);
std::string список_получить_число(std::size_t аргументов);
std::string индекс_списка_получить(const Тип& тип);
std::string список_размер_число();
std::string список_удалить_число(std::size_t аргументов);
std::string индекс_списка_удалить(const Тип& тип);
std::string список_освободить_число();
std::string список_нет_метода(std::string_view метод);
std::string словарь_положить_число(std::size_t аргументов);
std::string словарь_получить_число(std::size_t аргументов);
std::string словарь_размер_число();
std::string словарь_индекс_число(std::string_view метод, std::size_t аргументов);
std::string словарь_освободить_число();
std::string словарь_нет_метода(std::string_view метод);
// The names the container checks give the type-mismatch message.
inline constexpr std::string_view имя_отправить = "отправить(...)";
inline constexpr std::string_view имя_добавить = "добавить(...)";
inline constexpr std::string_view имя_положить_ключ = "положить(ключ, ...)";
inline constexpr std::string_view имя_положить_значение = "положить(..., значение)";
inline constexpr std::string_view имя_получить_ключ = "получить(ключ)";
inline constexpr std::string_view имя_индекс_словаря = "индекс словаря";

// Generic instantiation
std::string инстанциация_потеряна(std::string_view имя_экземпляра);
std::string обобщённая_функция_не_найдена(std::string_view функция);
std::string инстанциация_метода_потеряна(std::string_view ключ_экземпляра);
std::string обобщённый_метод_не_найден(std::string_view структура, std::string_view метод);
std::string обобщённая_структура_не_найдена(std::string_view структура);
std::string число_параметров_типа(std::string_view структура, std::size_t параметров, std::size_t аргументов,
                                  std::string_view имена_параметров);
std::string обобщённый_метод_в_обобщённой_структуре(std::string_view структура, std::string_view метод);
std::string метод_инстанциирован_повторно(std::string_view имя_экземпляра, std::string_view метод);
std::string слишком_глубокая_вложенность_инстанциаций(std::string_view шаблон);
std::string слишком_большой_тип(std::string_view шаблон);
std::string имя_экземпляра_занято(std::string_view имя_экземпляра);
// The start of the name, cut at a character boundary to 200 bytes.
std::string слишком_длинное_имя_экземпляра(std::string_view имя_экземпляра, std::size_t предел);
std::string слишком_много_инстанциаций(std::size_t предел, std::string_view имя_экземпляра);
std::string слишком_много_работы_инстанциации(std::size_t предел, std::string_view имя_экземпляра);

}  // namespace тувра::сообщения
