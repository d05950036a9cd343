#!/usr/bin/env python3
"""cvtimer.exe and cvtimerctl.exe under Wine in a Spanish and a French locale
(Wine takes the Windows user's language from the Unix one): the window's title
and the first line of cvtimerctl --help come in that language, and a
[Display] Language pin in CVTimerSystem.ini beats the locale. What each should
read comes from the catalogues, so the test holds whatever the translators
write; an entry not translated yet is expected in English and named as
unfinished.

  language_wine.py WINE_RUN PREFIX CVTIMER_EXE CVTIMERCTL_EXE SOURCE_DIR
"""

import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

wine_run, prefix, window_exe, ctl_exe, source_dir = map(os.path.abspath, sys.argv[1:6])
failures = []

USAGE = ("Usage: cvtimerctl <command> [options]\n       cvtimerctl <command> --help\n"
         "       cvtimerctl --version\n\nCommands:\n")


def catalogue_text(code, context, source, window):
    """What the built program shows for source in language code."""
    catalogue = ElementTree.parse(os.path.join(source_dir, "translations", f"cvtimer_{code}.ts"))
    for entry in catalogue.getroot().iter("context"):
        if entry.findtext("name") != context:
            continue
        for message in entry.iter("message"):
            if message.findtext("source") != source:
                continue
            translation = message.find("translation")
            kind = translation.get("type")
            # lrelease puts drafts into the window's catalogue; cvtimerctl's
            # tables take finished texts only.
            usable = kind is None or (window and kind == "unfinished")
            if usable and translation.text:
                if kind == "unfinished":
                    print(f"note: {code}: {context} \"{source.splitlines()[0]}\" is a draft")
                return translation.text
            print(f"note: {code}: {context} \"{source.splitlines()[0]}\" is not translated yet")
            return source
    failures.append(f"{code}: no entry {context} \"{source.splitlines()[0]}\" in the catalogue")
    return source


def run(folder, locale, *command):
    environment = {k: v for k, v in os.environ.items() if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_CTYPE")}
    environment.update(LANG=locale, LOCPATH=locales, CVTIMER_EXIT_WHEN_SHOWN="1")
    done = subprocess.run([wine_run, prefix, *command], cwd=folder, env=environment,
                          capture_output=True, timeout=90)
    return done.returncode, done.stdout.decode("utf-8", "replace").replace("\r\n", "\n")


def check(case, code, locale, pin=None):
    with tempfile.TemporaryDirectory() as folder:
        if pin:
            with open(os.path.join(folder, "CVTimerSystem.ini"), "w", newline="") as ini:
                ini.write(f"[Display]\r\nLanguage={pin}\r\n")
        status, out = run(folder, locale, ctl_exe, "--help")
        want = catalogue_text(code, "CtlHelp", USAGE, window=False).split("\n")[0]
        got = out.split("\n")[0]
        if status != 0 or got != want:
            failures.append(f"{case}: cvtimerctl.exe --help exited {status} and began \"{got}\", not \"{want}\"")
        status, out = run(folder, locale, window_exe)
        want = "shown: " + catalogue_text(code, "cv::TimerSheetDialog", "Corvellan Timers", window=True)
        got = next((line for line in out.split("\n") if line.startswith("shown: ")), "(nothing shown)")
        if status != 0 or got != want:
            failures.append(f"{case}: cvtimer.exe exited {status} and printed \"{got}\", not \"{want}\"")
    print(f"{case}: done")


if not os.environ.get("DISPLAY"):
    sys.exit("FAILED: no display: run it through make test-windows")
locales = os.environ.get("CVTIMER_WINE_LOCALES") or subprocess.run(
    [os.path.join(source_dir, "scripts", "wine-locales")], check=True, capture_output=True, text=True).stdout.strip()

check("es_MX.UTF-8", "es", "es_MX.UTF-8")
check("fr_CA.UTF-8", "fr", "fr_CA.UTF-8")
check("fr_CA.UTF-8 with Language=es pinned", "es", "fr_CA.UTF-8", pin="es")
for failure in failures:
    print("FAILED:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
