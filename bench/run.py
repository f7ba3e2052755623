#!/usr/bin/env python3
"""Measures how the tools scale with the size of their input.

Builds the tools in release mode, generates each input shape at S and 2S
bytes (S = 32 MiB unless --size says otherwise), runs the tool on both and
prints, in one table: the times, their ratio (linear input gives about 2),
the time of `wc -l` on the same bytes and the tool's time as a multiple of
it, and the tool's peak memory. Then the same for a maximal realistic pair:
all ten tables full, and both structures at 511 bytes with a 1,022-line
configuration.

Usage: bench/run.py [--size MIB] [--runs N] [--build DIR]
"""
import argparse
import os
import subprocess
import sys
import tempfile
import time

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MIB = 1024 * 1024


def build(folder):
    subprocess.run(["cmake", "-S", TOP, "-B", folder, "-DCMAKE_BUILD_TYPE=Release",
                    "-DWINTOOLS_BUILD_TESTS=OFF"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", folder, "--parallel", "2", "--target", "mapgen", "paramgen"],
                   check=True, stdout=subprocess.DEVNULL)
    return (os.path.join(folder, "bin", "mapgen"), os.path.join(folder, "bin", "paramgen"))


def repeat_to(size, piece):
    """piece repeated until the text is size bytes long."""
    count = max(1, size // len(piece))
    return piece * count


def header_around(body):
    return "struct config_t {\n" + body + "\n};\nstruct config_ext_t {\n    uint8_t b;\n};\n"


def fixed_header():
    lines = ["struct config_t {"]
    lines += ["    uint8_t c%d;" % i for i in range(511)]
    lines += ["};", "struct config_ext_t {"]
    lines += ["    uint8_t e%d;" % i for i in range(511)]
    lines += ["};"]
    return "\n".join(lines) + "\n"


# Each shape: (name, tool, quiet, passes over the measured file, the tool's
# exit status, maker). maker(size) returns {file name: text}; the measured
# file is the first one. A run with another status did not measure what its
# name says.
def shapes():
    def tables_file(text):
        return {"tables.txt": text}

    def header_file(text):
        return {"global.h": text, "config.txt": "c0=01\n"}

    return [
        ("tables: many short comment lines", "mapgen", True, 1, -4,
         lambda s: tables_file(repeat_to(s, "   # a note\n// another\n\n"))),
        ("tables: one line of millions of values", "mapgen", False, 1, -3,
         lambda s: tables_file("k[0]=" + repeat_to(s, "01 ") + "\n")),
        ("tables: one line of blanks", "mapgen", True, 1, -4,
         lambda s: tables_file(repeat_to(s, " ") + "\n")),
        ("header: many short lines", "paramgen", True, 2, 0,
         lambda s: header_file(header_around(repeat_to(s, "    int x; // n\n")))),
        ("header: 'uint8_t ' repeated, no ';'", "paramgen", True, 2, 0,
         lambda s: header_file(header_around(repeat_to(s, "uint8_t ")))),
        ("header: one line of blanks", "paramgen", True, 2, 0,
         lambda s: header_file(header_around(repeat_to(s, " ")))),
        ("header: arrays of 2147483647", "paramgen", True, 2, 0,
         lambda s: header_file(header_around(repeat_to(s, "    uint8_t a[2147483647];\n")))),
        ("config: a million assignment lines", "paramgen", False, 2, 0,
         lambda s: {"config.txt": repeat_to(s, "".join("c%d=%02x\n" % (i, i % 256) for i in range(511))),
                    "global.h": fixed_header()}),
    ]


def run_once(name, command, status, folder):
    # GNU time forks the tool from its own small process, so the peak it
    # reports is the tool's alone and not that of a copy of this script. The
    # time taken is the processor time (user and system) of the tool, which
    # other load disturbs less than the elapsed time.
    report = os.path.join(folder, "peak.txt")
    process = subprocess.Popen(["/usr/bin/time", "-f", "%M", "-o", report] + command,
                               cwd=folder, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    _, wait_status, usage = os.wait4(process.pid, 0)
    process.returncode = 0
    # GNU time exits with the tool's status, as a shell sees it (0 to 255).
    code = os.waitstatus_to_exitcode(wait_status)
    if code != status & 0xFF:
        sys.exit("%s: %s exited with status %d, where %d (%d) was expected" % (
            name, os.path.basename(command[0]), code, status, status & 0xFF))
    with open(report) as text:
        peak_kib = int(text.read().split()[-1])
    return usage.ru_utime + usage.ru_stime, peak_kib / 1024.0


def best_of(runs, name, command, status, folder):
    results = [run_once(name, command, status, folder) for _ in range(runs)]
    return min(r[0] for r in results), max(r[1] for r in results)


def tool_command(tool, binaries):
    mapgen, paramgen = binaries
    if tool == "mapgen":
        return [mapgen, "-t", "tables.txt", "-o", "out.mtt"]
    return [paramgen, "-c", "config.txt", "-g", "global.h", "-o", "out.mtt"]


def write_files(folder, files):
    for name, text in files.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(text.encode("latin-1"))
    return os.path.join(folder, next(iter(files)))


def measure(name, tool, passes, status, make_files, binaries, runs, folder):
    # The texts are dropped before the runs: a child started from this
    # process would otherwise count them in its peak memory.
    measured = write_files(folder, make_files())
    size = os.path.getsize(measured)
    seconds, peak = best_of(runs, name, tool_command(tool, binaries), status, folder)
    wc, _ = best_of(runs, name, ["wc", "-l", measured], 0, folder)
    return {"size": size, "seconds": seconds, "peak": peak, "wc": wc,
            "per_pass": seconds / (passes * max(wc, 1e-6))}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--size", type=float, default=32, help="S in MiB (default 32)")
    parser.add_argument("--runs", type=int, default=3, help="runs per measurement, best taken")
    parser.add_argument("--build", default=os.path.join(TOP, "build-bench"))
    args = parser.parse_args()
    if not os.path.exists("/usr/bin/time"):
        sys.exit("needs GNU time (Debian package 'time') to measure peak memory")
    binaries = build(args.build)
    size = int(args.size * MIB)

    print("S = %g MiB; times are processor seconds, the best of %d runs; 'x wc' is the"
          " tool's time over wc -l's on the same file, per pass over it" % (args.size, args.runs))
    print("%-40s %9s %9s %6s %9s %7s %9s %9s" % (
        "input", "S (s)", "2S (s)", "2S/S", "wc S (s)", "x wc", "peak S", "peak 2S"))
    with tempfile.TemporaryDirectory() as folder:
        for name, tool, quiet, passes, status, maker in shapes():
            small = measure(name, tool, passes, status, lambda: maker(size), binaries,
                            args.runs, folder)
            large = measure(name, tool, passes, status, lambda: maker(2 * size), binaries,
                            args.runs, folder)
            print("%-40s %9.3f %9.3f %6.2f %9.3f %7s %8.1fM %8.1fM" % (
                name, small["seconds"], large["seconds"], large["seconds"] / small["seconds"],
                small["wc"], ("%.2f" % small["per_pass"]) if quiet else "(loud)",
                small["peak"], large["peak"]))
            sys.stdout.flush()

        print()
        print("%-40s %9s %9s %9s %9s" % ("maximal realistic input", "tool (s)", "wc (s)", "x wc", "peak"))
        full_tables = []
        for letter in "rkb":
            full_tables.append("%s[0]=%s" % (letter, " ".join("%02X" % c for c in range(16))))
        full_tables.append("t[0]=%s" % " ".join("%02X" % c for c in range(8)))
        for letter in "jlnye":
            for row in range(16):
                full_tables.append("%s[%X]=%s" % (letter, row, " ".join("%02X" % c for c in range(16))))
        for row in range(3):
            full_tables.append("h[%d]=%s" % (row, " ".join("%02X" % c for c in range(8))))
        pairs = [
            ("tables: all ten full, 1,360 records", "mapgen", 1, 0,
             {"tables.txt": "\r\n".join(full_tables) + "\r\n"}),
            ("config: 2 x 511 bytes, 1,022 lines", "paramgen", 2, 0,
             {"global.h": fixed_header(),
              "config.txt": "".join("c%d=%02x\n" % (i, i % 256) for i in range(511)) +
                            "".join("e%d=%02x\n" % (i, i % 256) for i in range(511))}),
        ]
        for name, tool, passes, status, files in pairs:
            result = measure(name, tool, passes, status, lambda: files, binaries,
                             max(args.runs, 5), folder)
            print("%-40s %9.4f %9.4f %9.2f %8.1fM" % (
                name, result["seconds"], result["wc"], result["per_pass"], result["peak"]))


if __name__ == "__main__":
    main()
