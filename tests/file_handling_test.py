#!/usr/bin/env python3
"""The compiler's own files: where the output goes, what a failed run leaves
behind, full and read-only file systems, and sources that are no regular
files or never end.

    file_handling_test.py TARNWICK

Each test runs tarnwick in a scratch folder with a one-line run-time
library.  A full file system is a small tmpfs when the test may mount one
(as root), and always a file-size limit (RLIMIT_FSIZE, which makes the
n-th write fail); a read-only folder is a tmpfs remounted read-only, or a
folder without write permission when not running as root.
"""
import os
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
import unittest

TARNWICK = None
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAM = "program t;\nvar b: byte;\nbegin\n  b := 1;\nend.\n"
WITH_ERROR = "program t;\nvar b: byte;\nbegin\n  b := q;\nend.\n"


def write(path, text, mode="w"):
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    with open(path, mode) as f:
        f.write(text)


def read(path):
    with open(path, "rb") as f:
        return f.read()


class Mount:
    """A tmpfs of the given size, or None when mounting is not allowed."""

    def __init__(self, path, size):
        self.path = path
        os.makedirs(path)
        self.ok = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=%s" % size, "tmpfs", path],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL
                                 ).returncode == 0 if os.geteuid() == 0 else False

    def read_only(self):
        return subprocess.run(["mount", "-o", "remount,ro", self.path]).returncode == 0

    def close(self):
        if self.ok:
            subprocess.run(["umount", self.path])


class FileHandling(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp(prefix="tarnwick_files_")
        write(os.path.join(self.work, "system_z80lib.asm"), "; run-time library\n")
        self.mounts = []

    def tearDown(self):
        for m in self.mounts:
            m.close()
        for dirpath, dirs, _ in os.walk(self.work):
            for d in dirs:
                os.chmod(os.path.join(dirpath, d), 0o755)
        shutil.rmtree(self.work)

    def path(self, name):
        return os.path.join(self.work, name)

    def compile(self, name, stdin=b"", limit_bytes=None, timeout=20):
        def limit():
            if limit_bytes is not None:
                signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
                resource.setrlimit(resource.RLIMIT_FSIZE, (limit_bytes, limit_bytes))
        run = subprocess.run([TARNWICK, name], cwd=self.work, input=stdin, timeout=timeout,
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, preexec_fn=limit)
        self.assertEqual(run.stderr, b"")
        return run.returncode, run.stdout.decode(errors="replace")

    def files(self, folder="."):
        return sorted(os.listdir(self.path(folder)))

    def mount(self, name, size):
        m = Mount(self.path(name), size)
        self.mounts.append(m)
        return m

    # ---- output names ------------------------------------------------------

    def test_output_replaces_the_extension_in_the_sources_folder(self):
        for source, output in [("prog.pas", "prog.asm"), ("sub/x", "sub/x.asm"), ("x", "x.asm"),
                               ("a.b/c", "a.b/c.asm"), ("xy.p", "xy.asm")]:
            write(self.path(source), PROGRAM)
            status, out = self.compile(source)
            self.assertEqual(status, 0, out)
            self.assertTrue(read(self.path(output)).startswith(b";;; first line\n"), source)
        self.assertEqual(self.files(), ["a.b", "prog.asm", "prog.pas", "sub", "system_z80lib.asm",
                                        "x", "x.asm", "xy.asm", "xy.p"])
        self.assertEqual(self.files("sub"), ["x", "x.asm"])

    def test_a_source_named_like_its_output_stops_before_writing(self):
        write(self.path("prog.asm"), PROGRAM)
        status, out = self.compile("prog.asm")
        self.assertEqual(status, 5)
        self.assertIn("Runtime error 5: the output file would replace the source file: prog.asm\n",
                      out)
        self.assertNotIn("\\__ prog.asm", out)  # nothing was read either
        self.assertEqual(read(self.path("prog.asm")).decode(), PROGRAM)
        self.assertEqual(self.files(), ["prog.asm", "system_z80lib.asm"])

    # ---- failed runs leave no output -----------------------------------------

    def test_no_output_remains_after_any_failed_run(self):
        cases = [
            ("reported error", WITH_ERROR, 1, "==================== tarnwick end"),
            ("syntax error", "program t;\nbegin\n  b := 1\nend\n", 1, "expected, but"),
            ("invalid char", "program t;\nbegin\n  b := 1 ! 2;\nend.\n", 1, ">> invalid char"),
            ("range stop", "program t;\n{$endif}\nbegin\nend.\n", 201, "Runtime error 201"),
            ("missing include", "program t;\n{$i none.inc}\nbegin\nend.\n", 2, "Runtime error 2"),
        ]
        for what, text, want, marker in cases:
            write(self.path("prog.pas"), text)
            write(self.path("prog.asm"), "; an earlier run's output\n")
            status, out = self.compile("prog.pas")
            self.assertEqual(status, want, what + "\n" + out)
            self.assertIn(marker, out, what)
            self.assertFalse(os.path.exists(self.path("prog.asm")), what)
        write(self.path("prog.asm"), "; an earlier run's output\n")
        os.remove(self.path("system_z80lib.asm"))
        write(self.path("prog.pas"), PROGRAM)
        status, out = self.compile("prog.pas")
        self.assertEqual(status, 2, out)
        self.assertEqual(self.files(), ["prog.pas"])

    def test_a_run_with_reported_errors_ends_with_the_banner_and_status_1(self):
        write(self.path("prog.pas"), WITH_ERROR)
        status, out = self.compile("prog.pas")
        self.assertEqual(status, 1)
        self.assertIn("Error at prog.pas(4,8): Id not found.\n", out)
        self.assertTrue(out.endswith("id list:\n   #ROOT#\nend.\n"
                                     "==================== tarnwick end ====================\n"))
        self.assertEqual(self.files(), ["prog.pas", "system_z80lib.asm"])

    # ---- full and read-only file systems ------------------------------------

    def check_failed_write_keeps_the_old_output(self, folder, limit_bytes=None):
        source = os.path.join(folder, "prog.pas")
        status, out = self.compile(source, limit_bytes=limit_bytes)
        self.assertEqual(status, 5, out)
        self.assertIn("Runtime error 5: cannot write file: %s/prog.asm\n" % folder, out)
        self.assertEqual(read(self.path(source[:-4] + ".asm")), b"; the good output\n")
        self.assertEqual([f for f in self.files(folder) if f.startswith("prog.")],
                         ["prog.asm", "prog.pas"])  # no temporary file

    def test_a_full_file_system_keeps_the_old_output_whole(self):
        shutil.copy(os.path.join(ROOT, "system_z80lib.asm"), self.path("system_z80lib.asm"))
        write(self.path("big/prog.pas"), PROGRAM)
        write(self.path("big/prog.asm"), "; the good output\n")
        # the n-th write fails: the output is about 33 KB, the limit 8 KB
        self.check_failed_write_keeps_the_old_output("big", limit_bytes=8192)
        m = self.mount("full", "16k")
        if not m.ok:
            self.skipTest("no tmpfs (not root): the file-size limit stood for a full disk")
        write(self.path("full/prog.pas"), PROGRAM)
        write(self.path("full/prog.asm"), "; the good output\n")
        self.check_failed_write_keeps_the_old_output("full")
        # with room enough the same run replaces it
        shutil.copy(self.path("full/prog.pas"), self.path("big/prog.pas"))
        status, out = self.compile("big/prog.pas")
        self.assertEqual(status, 0, out)
        self.assertGreater(os.path.getsize(self.path("big/prog.asm")), 30000)

    def test_a_read_only_folder_keeps_the_old_output(self):
        write(self.path("ro/prog.pas"), PROGRAM)
        write(self.path("ro/prog.asm"), "; the good output\n")
        write(self.path("ro/bad.pas"), WITH_ERROR)
        write(self.path("ro/bad.asm"), "; stale\n")
        m = self.mount("ro_mount", "64k")
        if m.ok:
            for name in ("prog.pas", "prog.asm", "bad.pas", "bad.asm"):
                shutil.copy(self.path("ro/" + name), self.path("ro_mount/" + name))
            self.assertTrue(m.read_only())
            folder = "ro_mount"
        elif os.geteuid() != 0:
            os.chmod(self.path("ro"), 0o555)
            folder = "ro"
        else:
            self.skipTest("root without mount: a read-only folder cannot be made")
        self.check_failed_write_keeps_the_old_output(folder)
        status, out = self.compile(folder + "/bad.pas")
        self.assertEqual(status, 1)
        self.assertIn("The earlier output %s/bad.asm could not be removed.\n" % folder, out)

    # ---- sources that are no regular files ---------------------------------

    def test_devices_fifos_and_folders_are_refused_by_name_without_reading(self):
        os.mkfifo(self.path("pipe"))
        os.mkdir(self.path("folder.pas"))
        write(self.path("z.pas"), "program t;\n{$i /dev/zero}\nbegin\nend.\n")
        write(self.path("f.pas"), "program t;\n{$i pipe}\nbegin\nend.\n")
        for source, refused in [("z.pas", "/dev/zero"), ("f.pas", "pipe"), ("pipe", "pipe"),
                                ("folder.pas", "folder.pas")]:
            status, out = self.compile(source, timeout=10)
            self.assertEqual(status, 5, out)
            self.assertIn("Runtime error 5: cannot read file: %s (not a regular file)\n" % refused,
                          out)
        self.assertEqual(self.files(), ["f.pas", "folder.pas", "pipe", "system_z80lib.asm",
                                        "z.pas"])

    def test_a_line_longer_than_one_mebibyte_stops_with_the_range_error(self):
        write(self.path("long.pas"), "program t;\n{" + "x" * (1 << 20) + "}\nbegin\nend.\n")
        write(self.path("long.asm"), "; stale\n")
        status, out = self.compile("long.pas")
        self.assertEqual(status, 201)
        self.assertIn("Runtime error 201: line 2 of long.pas is longer than 1048576 characters\n",
                      out)
        self.assertNotIn("xxx", out)
        self.assertEqual(self.files(), ["long.pas", "system_z80lib.asm"])
        # a line of exactly 1048576 characters is read (and cut as usual)
        write(self.path("edge.pas"), "program t;\nbegin\nend.\n//" + "x" * ((1 << 20) - 2) + "\n")
        status, out = self.compile("edge.pas")
        self.assertEqual(status, 0, out[-500:])

    # ---- console -----------------------------------------------------------

    def test_an_open_input_that_is_no_terminal_is_never_waited_for(self):
        write(self.path("w.pas"), "program t;\nvar b: byte;\nbegin\n  asm\n{$\n  nop\n  end;\n"
                                  "  b := 1;\nend.\n")
        proc = subprocess.Popen([TARNWICK, "w.pas"], cwd=self.work, stdin=subprocess.PIPE,
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        try:
            proc.wait(timeout=10)  # the input stays open the whole time
            out = proc.stdout.read().decode()
        finally:
            proc.stdin.close()
            proc.kill()
        self.assertEqual(proc.returncode, 1)
        self.assertIn("directive\n  nop\n", out)


if __name__ == "__main__":
    TARNWICK = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
