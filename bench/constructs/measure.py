#!/usr/bin/env python3
"""Times a built server over documents of one construct each, at about 100 KB and 1 MB.

For each document: start the server, send didOpen, time until its publishDiagnostics, then
time one hover over the construct's last use of a name; peak memory is the process's VmHWM before it exits. Prints the median of
--runs runs per document.

  python3 bench/constructs/measure.py [--runs 5] [--sizes 100000,1000000] [--only NAME] SERVER
"""
import argparse
import json
import os
import statistics
import subprocess
import sys
import threading
import time


def deep_array(levels):
    return "целое" + "[1]" * levels


def wide_dictionary(levels):
    if levels == 0:
        return "целое"
    part = wide_dictionary(levels - 1)
    return "Словарь<" + part + ", " + part + ">"


def reads(type_text, size):
    text = "функция г(" + type_text + " а): " + type_text + "\n"
    while len(text.encode()) < size:
        text += "  а;\n  г(а);\n  а == а;\n"
    return text + "  вернуть а;\nконец\n"


def big_array_reads(size):
    # The type alone takes a sixth of the document, as in the report that found the cost.
    return reads(deep_array(size // 18), size)


def wide_reads(size):
    return reads(wide_dictionary(12), max(size, 250_000))


def contract_repeated(type_text, size):
    text = "контракт К\n  функция м(" + type_text + " а);\nконец\nструктура С : К"
    method = len(type_text) + 40
    while len(text.encode()) + method < size:
        text += ", К"
    return text + "\n  функция м(" + type_text + " а)\n  конец\nконец\n"


def contracts_repeated_big(size):
    return contract_repeated(deep_array(size // 60), size)


def contracts_repeated_small(size):
    contract, methods = "контракт К\n", ""
    for i in range(size // 100):
        contract += f"  функция м{i}(целое а);\n"
        methods += f"  функция м{i}(целое а)\n  конец\n"
    return contract + "конец\nструктура С : К" + ", К" * (size // 8 - 1) + "\n" + methods + "конец\n"


def many_contracts_calls(size):
    contracts, calls = size * 64 // 3000, size * 256 // 30000
    text = "".join(f"контракт К{i}\nконец\n" for i in range(contracts))
    text += "структура С : " + ", ".join(f"К{i}" for i in range(contracts))
    text += f"\nконец\nфункция ф(К{contracts - 1} к)\nконец\nфункция главная()\n  С с = С();\n"
    return text + "  ф(с);\n" * calls + "конец\n"


def tentative_arguments(size):
    name = "значение_аргумента"
    arguments = size * 25 // 1000
    comparisons = arguments * 980 // 25000
    step = arguments // comparisons
    parts = []
    for i in range(arguments):
        part = name
        if i % step == 0 and i // step < comparisons:
            part += " < " + name
        parts.append(part)
    return "функция ф()\n  целое " + name + " = 1;\n  вывести(" + ", ".join(parts) + ");\nконец\n"


def mismatch_render(size):
    return "функция ф()\n  " + deep_array(size // 3) + " а = 5;\nконец\n"


def many_statements(size):
    text = "функция ф()\n  целое а = 1;\n"
    return text + "  а;\n" * ((size - len(text.encode())) // 6) + "конец\n"


def deep_parameter(size):
    return "функция ф(" + deep_array(size // 3) + " а)\nконец\n"


def else_if_chain(size):
    text = "функция ф(целое а)\n  если (а == 0)\n    вывести(0);\n"
    i = 1
    while len(text.encode()) < size:
        chunk = "".join(f"  иначе если (а == {k})\n    вывести({k});\n" for k in range(i, i + 1000))
        text += chunk
        i += 1000
    return text + "  конец\nконец\n"


def unit(n):
    """The semantic benchmark's unit of about fifty lines: contracts, structs, generics, loops."""
    return f"""контракт Фигура{n}
  функция площадь(): целое;
конец
структура Квадрат{n} : Фигура{n}
  публично целое сторона;
  приватно Список из целое метки;
  функция площадь(): целое
    вернуть это.сторона * это.сторона;
  конец
  функция пометить(целое м)
    это.метки.добавить(м);
  конец
конец
структура Ящик{n}<Т>
  Т значение;
  функция взять(): Т
    вернуть это.значение;
  конец
конец
функция первое{n}<Т>(Т а, Т б): Т
  вернуть а;
конец
функция обработать{n}(Квадрат{n} к): целое
  целое сумма = 0;
  целое[4] значения = [1, 2, 3, 4];
  Словарь из текст и целое счёт = Словарь из текст и целое();
  Список из целое список = Список из целое();
  для каждого з в значения
    если (з > 2 и сумма < 100)
      сумма = сумма + з * 2;
    иначе
      продолжить;
    конец
  конец
  пока (сумма > 10)
    сумма = сумма - 3;
    если (сумма == 50)
      прервать;
    конец
  конец
  список.добавить(сумма);
  Ящик{n}<целое> я = Ящик{n}<целое>(сумма);
  Фигура{n} ф = к;
  сумма = сумма + первое{n}<целое>(я.взять(), ф.площадь());
  счёт.положить("сумма", сумма);
  неизменно текст итог = "сумма: ${{сумма}}";
  вывести(итог);
  вернуть сумма;
конец
"""


def ordinary(lines):
    """Valid code of about `lines` lines, units of the semantic benchmark."""
    per_unit = unit(0).count("\n")
    return "".join(unit(n) for n in range((lines + per_unit - 1) // per_unit))


# Array sizes solved so that every array type had one hash under the type table's old mixing
# (boost's hash_combine, which runs backwards), each with a twin of random sizes of as many
# digits: a twin must cost about what its flood costs. Built as tests/support/hash_flood.h builds them.
OLD_START = 0xcbf29ce484222325
OLD_GOLDEN = 0x9e3779b97f4a7c15
MASK = (1 << 64) - 1


def old_mix(h, part):
    return h ^ ((part + OLD_GOLDEN + (h << 12) + (h >> 4)) & MASK)


def old_array_hash(element, size):
    return old_mix(old_mix(old_mix(OLD_START, 15), element), size)


OLD_INTEGER = old_mix(OLD_START, 0)


def flood_sizes(count, solved):
    """(outer, inner) sizes of `целое[outer][inner]`, every old hash equal when solved."""
    import random
    chance = random.Random(20261211)
    target = old_array_hash(old_array_hash(OLD_INTEGER, 1), 1)
    pairs, inner = [], 0
    while len(pairs) < count:
        inner += 1
        h = old_mix(old_mix(OLD_START, 15), old_array_hash(OLD_INTEGER, inner))
        outer = ((target ^ h) - OLD_GOLDEN - (h << 12) - (h >> 4)) & MASK
        if outer >> 63:
            continue
        if not solved:
            digits = len(str(outer))
            outer = chance.randrange(10 ** (digits - 1), min(10 ** digits, 1 << 63))
        pairs.append((outer, inner))
    return pairs


def flood_declarations(solved):
    def build(size):
        lines = ["функция ф()\n"]
        total = len(lines[0].encode())
        for j, (outer, inner) in enumerate(flood_sizes(size // 50, solved)):
            if total >= size:
                break
            line = f"  целое[{outer}][{inner}] а{j} = неуказано;\n"
            lines.append(line)
            total += len(line.encode())
        return "".join(lines) + "  вывести(а0);\nконец\n"
    return build


def flood_instances(template, call, solved):
    def build(size):
        # 9,500 instances at 1 MB, in proportion below; the instance budget is 10,000.
        count = min(9_500, max(1, size * 9_500 // 1_000_000))
        body = "".join(f"  вывести({call}<целое[{o}][{i}]>(неуказано));\n" for o, i in flood_sizes(count, solved))
        return template + "функция ф()\n  целое а = 1;\n" + body + "  вывести(а);\nконец\n"
    return build


FLOOD_CONSTRUCTS = {
    "old_hash_arrays": (flood_declarations(True), "а0"),
    "old_hash_arrays_random_twin": (flood_declarations(False), "а0"),
    "old_hash_function_instances": (flood_instances("функция г<Т>(Т а)\nконец\n", "г", True), "а"),
    "old_hash_function_instances_random_twin": (flood_instances("функция г<Т>(Т а)\nконец\n", "г", False), "а"),
    "old_hash_struct_instances": (flood_instances("структура Я<Т>\n  Т з;\nконец\n", "Я", True), "а"),
    "old_hash_struct_instances_random_twin": (flood_instances("структура Я<Т>\n  Т з;\nконец\n", "Я", False), "а"),
}


def instance_budget(size):
    """Sixteen generic functions, each asking for the next twice: 2^15 instances wanted, stopped
    at the budget of 10,000 instances. The same 2.5 KB whatever the size."""
    text = ""
    for i in range(1, 17):
        text += f"функция ф{i}<Т>(Т х)\n"
        for wrapper in ("Список<Т>", "канал<Т>") if i < 16 else ():
            text += f"  вывести(ф{i + 1}<{wrapper}>(неуказано));\n"
        text += "конец\n"
    return text + "функция главная()\n  вывести(ф1<целое>(1));\nконец\n"


# Each construct with the name that the hover asks about, at its last use.
CONSTRUCTS = {
    "big_array_reads": (big_array_reads, "а"),
    "wide_reads": (wide_reads, "а"),
    "contracts_repeated_big": (contracts_repeated_big, "м"),
    "contracts_repeated_small": (contracts_repeated_small, "К"),
    "many_contracts_calls": (many_contracts_calls, "с"),
    "tentative_arguments": (tentative_arguments, "значение_аргумента"),
    "mismatch_render": (mismatch_render, "а"),
    "many_statements": (many_statements, "а"),
    "deep_parameter": (deep_parameter, "а"),
    "else_if_chain": (else_if_chain, "а"),
    **FLOOD_CONSTRUCTS,
    # Documents of one size only, measured once whatever --sizes asks.
    # Generic instances up to the budget: the cost of a small instance.
    "instance_budget": (instance_budget, "х"),
}
FIXED_SIZE = {"instance_budget"}


# One long statement each: its tokens and its nodes while it is read.
def one_statement(opening, part, closing, size):
    text = "функция ф(целое а)\n  " + opening + part
    repeats = max(1, (size - len(text.encode())) // len(part.encode()))
    return text + part * repeats + "а" + closing + "\nконец\n"


def long_array(size):
    return one_statement("вывести([", "1, ", "]);", size)


def long_sum(size):
    return one_statement("вывести(", "1 + ", ");", size)


def long_arguments(size):
    return one_statement("ф(", "1, ", ");", size)


def long_comparisons(size):
    return one_statement("вывести(", "а < а, ", ");", size)


def long_alternation(size):
    return one_statement("вывести(а < а > ", "а < а > ", ");", size)


def long_unclosed_generics(size):
    return one_statement("вывести(", "а < ", ");", size)


def tentative_groups(size):
    group = "  вывести(а < а > (а < а > (а)), а < а, ф<а>(а));\n"
    return "функция ф(целое а)\n" + group * max(1, size // len(group.encode())) + "конец\n"


LONG_STATEMENTS = {
    "long_array": (long_array, "а"),
    "long_sum": (long_sum, "а"),
    "long_arguments": (long_arguments, "а"),
    "long_comparisons": (long_comparisons, "а"),
    "long_alternation": (long_alternation, "а"),
    "long_unclosed_generics": (long_unclosed_generics, "а"),
    "tentative_groups": (tentative_groups, "а"),
}
CONSTRUCTS.update(LONG_STATEMENTS)


def last_use(text, name):
    """The line and UTF-16 column of the last `name` that stands as a whole word."""
    at = len(text)
    while True:
        at = text.rindex(name, 0, at)
        before = text[at - 1] if at else " "
        after = text[at + len(name)] if at + len(name) < len(text) else " "
        if not (before.isalnum() or before == "_" or after.isalnum() or after == "_"):
            break
    line = text.count("\n", 0, at)
    column = at - (text.rfind("\n", 0, at) + 1)
    return line, len(text[at - column:at].encode("utf-16-le")) // 2


def frame(message):
    body = json.dumps(message, ensure_ascii=False).encode()
    return b"Content-Length: %d\r\n\r\n" % len(body) + body


def read_message(stream):
    length = None
    while True:
        line = stream.readline()
        if not line:
            raise EOFError("the server closed its output")
        line = line.strip()
        if not line:
            break
        name, _, value = line.partition(b":")
        if name.lower() == b"content-length":
            length = int(value)
    return json.loads(stream.read(length))


def wait_for(stream, predicate):
    while True:
        message = read_message(stream)
        if predicate(message):
            return message


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def run_once(server, text, position, timeout=None):
    """(check s, hover s, peak KiB, diagnostic bytes, message); None when the server took
    longer than `timeout` seconds and was stopped."""
    uri = "file:///tmp/%D0%B7%D0%B0%D0%BC%D0%B5%D1%80.код"
    process = subprocess.Popen([server], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    timer = threading.Timer(timeout, process.kill) if timeout else None
    try:
        if timer:
            timer.start()
        return exchange(process, uri, text, position)
    except (EOFError, BrokenPipeError):
        return None
    finally:
        if timer:
            timer.cancel()
        process.kill()
        process.wait()


def exchange(process, uri, text, position):
    send = process.stdin
    send.write(frame({"jsonrpc": "2.0", "id": 1, "method": "initialize",
                      "params": {"processId": None, "rootUri": None, "capabilities": {}}}))
    send.flush()
    wait_for(process.stdout, lambda m: m.get("id") == 1)
    send.write(frame({"jsonrpc": "2.0", "method": "initialized", "params": {}}))
    opened = frame({"jsonrpc": "2.0", "method": "textDocument/didOpen",
                    "params": {"textDocument": {"uri": uri, "languageId": "tuvra", "version": 1,
                                                "text": text}}})
    start = time.perf_counter()
    send.write(opened)
    send.flush()
    published = wait_for(process.stdout, lambda m: m.get("method") == "textDocument/publishDiagnostics")
    check = time.perf_counter() - start
    diagnostics = published["params"]["diagnostics"]
    diagnostic_bytes = len(json.dumps(diagnostics, ensure_ascii=False).encode()) if diagnostics else 0
    message = diagnostics[0]["message"][:60] if diagnostics else ""
    start = time.perf_counter()
    send.write(frame({"jsonrpc": "2.0", "id": 2, "method": "textDocument/hover",
                      "params": {"textDocument": {"uri": uri}, "position": {"line": position[0], "character": position[1]}}}))
    send.flush()
    wait_for(process.stdout, lambda m: m.get("id") == 2)
    hover = time.perf_counter() - start
    peak = peak_kib(process.pid)
    send.write(frame({"jsonrpc": "2.0", "id": 3, "method": "shutdown"}))
    send.write(frame({"jsonrpc": "2.0", "method": "exit"}))
    send.close()
    process.wait(timeout=60)
    return check, hover, peak, diagnostic_bytes, message


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("server")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--sizes", default="100000,1000000")
    parser.add_argument("--only", action="append")
    parser.add_argument("--timeout", type=float, help="stop a server that takes longer, in seconds")
    parser.add_argument("--ordinary", type=int, metavar="LINES",
                        help="instead of the constructs, ordinary valid code of this many lines")
    arguments = parser.parse_args()
    server = os.path.abspath(arguments.server)
    if arguments.ordinary:
        text = ordinary(arguments.ordinary)
        runs = [run_once(server, text, last_use(text, "сумма")) for _ in range(arguments.runs)]
        peak = statistics.median(r[2] for r in runs) / 1024
        document = len(text.encode())
        print(f"ordinary {arguments.ordinary} lines, {document} bytes: check {statistics.median(r[0] for r in runs):.3f} s, "
              f"hover {statistics.median(r[1] for r in runs):.3f} s, peak {peak:.1f} MiB = "
              f"{peak * 1048576 / document:.1f}x, diagnostic {runs[0][3]} bytes {runs[0][4]}")
        return 0
    print("construct\tsize\tbytes\tcheck_s\thover_s\tpeak_MiB\tpeak/doc\tdiagnostic_bytes\tmessage")
    for name, (build, word) in CONSTRUCTS.items():
        if arguments.only and name not in arguments.only:
            continue
        sizes = [0] if name in FIXED_SIZE else map(int, arguments.sizes.split(","))
        for size in sizes:
            text = build(size)
            position = last_use(text, word)
            runs = []
            for _ in range(arguments.runs):
                run = run_once(server, text, position, arguments.timeout)
                if run is None:
                    break
                runs.append(run)
            if len(runs) < arguments.runs:
                print(f"{name}\t{size}\t{len(text.encode())}\t> {arguments.timeout:.0f} s (stopped; {len(runs)} runs done)",
                      flush=True)
                continue
            check = statistics.median(r[0] for r in runs)
            hover = statistics.median(r[1] for r in runs)
            peak = statistics.median(r[2] for r in runs) / 1024
            document = len(text.encode())
            print(f"{name}\t{size}\t{document}\t{check:.3f}\t{hover:.3f}\t{peak:.1f}\t"
                  f"{peak * 1048576 / document:.1f}\t{runs[0][3]}\t{runs[0][4]}", flush=True)


if __name__ == "__main__":
    sys.exit(main())
