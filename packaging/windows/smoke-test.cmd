@echo off
rem CV Timer's smoke test for a real Windows 10 or 11 PC, run before a release
rem by whoever releases: from a Command Prompt opened with "Run as
rem administrator", in the folder that holds CVTimer-<version>-x64.msi and this
rem file, run smoke-test.cmd. CV Timer must not be installed yet.
rem
rem It installs the package silently, checks what a user and an IT department
rem would look at, starts both programs, removes the package and checks that
rem nothing is left. One PASS or FAIL line per check, the folder with the
rem installer's logs at the end; exit status 0 only when every check passed.
rem A CVTimerSystem.ini already in Documents is put aside and put back.
setlocal EnableExtensions EnableDelayedExpansion

set checks=0
set failures=0
set "logs=%TEMP%\cvtimer-smoke-test"
if exist "%logs%" rmdir /s /q "%logs%"
mkdir "%logs%\run"

if defined ProgramW6432 (set "programs=%ProgramW6432%") else set "programs=%ProgramFiles%"
set "installed=%programs%\CV Timer"
set "uninstall=HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall"
set "shortcut=%ProgramData%\Microsoft\Windows\Start Menu\Programs\CV Timer.lnk"
set "wine="
reg query HKCU\Software\Wine >nul 2>&1 && set wine=yes
rem Wine puts every shortcut in the installing user's Start menu.
if defined wine set "shortcut=%APPDATA%\Microsoft\Windows\Start Menu\Programs\CV Timer.lnk"
rem Documents as the shell keeps it, wherever it was moved (OneDrive, a share).
set "documents="
for /f "tokens=2,*" %%a in ('reg query "HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders" /v Personal 2^>nul') do call set "documents=%%b"
if not defined documents set "documents=%USERPROFILE%\Documents"
set CVTIMER_EXIT_WHEN_SHOWN=1

rem Made with the package, so it knows which one it tests.
set "version=@PROJECT_VERSION@"
set "msi=%~dp0CVTimer-%version%-x64.msi"
if not exist "%msi%" (
  echo FAIL  CVTimer-%version%-x64.msi is not beside smoke-test.cmd
  exit /b 1
)
echo CV Timer %version% smoke test: %msi%

call :count_apps_entries
if not "%entries%"=="0" (
  echo FAIL  CV Timer is not installed yet: remove it first, then run this again
  exit /b 1
)
set "kept=%documents%\CVTimerSystem.ini.before-smoke-test"
if exist "%documents%\CVTimerSystem.ini" move /y "%documents%\CVTimerSystem.ini" "%kept%" >nul

start "" /wait msiexec /i "%msi%" /qn /l*v "%logs%\install.log"
set status=%errorlevel%
call :expect "%status%" "0" "msiexec /i ends with 0 (if not, run this as administrator; the log says why)"

for %%f in (cvtimer.exe cvtimerctl.exe README.txt COPYING.txt user-guide.md images\timer-sheet.png) do (
  if exist "%installed%\%%f" (set here=yes) else set here=no
  call :expect "!here!" "yes" "%installed%\%%f is installed"
)
if exist "%shortcut%" (set here=yes) else set here=no
call :expect "%here%" "yes" "the Start menu shortcut %shortcut%"

call :count_apps_entries
call :expect "%entries%" "1" "one CV Timer in Settings > Apps"
call :expect "%location%" "%installed%\" "its install location"
call :expect "%contact%" "CV Timer developers" "its contact"

"%installed%\cvtimerctl.exe" --version >"%logs%\cvtimerctl.txt" 2>&1
set "said="
for /f "usebackq delims=" %%l in ("%logs%\cvtimerctl.txt") do if not defined said set "said=%%l"
call :expect "%said%" "cvtimerctl %version%" "cvtimerctl.exe --version"

rem Started in a folder of the user's own, it works there; it ends by itself
rem once its window shows.
pushd "%logs%\run"
"%installed%\cvtimer.exe" >"%logs%\cvtimer.txt" 2>&1
popd
set "said="
for /f "usebackq delims=" %%l in ("%logs%\cvtimer.txt") do if not defined said set "said=%%l"
call :expect "%said%" "shown: Corvellan Timers" "cvtimer.exe shows its window and ends"
if exist "%logs%\run\CVTimerSystem.ini" (set here=yes) else set here=no
call :expect "%here%" "yes" "started in a folder of the user's, it keeps CVTimerSystem.ini there"

rem From the Start menu it works in Documents. Waited for: the shell may
rem return before the program has started.
start "" /wait "%shortcut%"
set waited=0
:wait_for_settings
if exist "%documents%\CVTimerSystem.ini" goto settings_found
if %waited% geq 60 goto settings_found
ping -n 2 127.0.0.1 >nul
set /a waited+=1
goto wait_for_settings
:settings_found
if exist "%documents%\CVTimerSystem.ini" (set here=yes) else set here=no
call :expect "%here%" "yes" "started from the Start menu, it keeps CVTimerSystem.ini in Documents, %documents%"
rem It ends by itself once its window shows; a program still running would
rem hold its files and the removal would need a restart. Wine's tasklist lists
rem nothing, so there it gets the few seconds it needs instead.
if defined wine (
  ping -n 4 127.0.0.1 >nul
  goto exited
)
set waited=0
:wait_for_exit
tasklist /fi "imagename eq cvtimer.exe" 2>nul | find /i "cvtimer.exe" >nul || goto exited
if %waited% geq 60 goto exited
ping -n 2 127.0.0.1 >nul
set /a waited+=1
goto wait_for_exit
:exited

start "" /wait msiexec /x "%msi%" /qn /l*v "%logs%\uninstall.log"
set status=%errorlevel%
call :expect "%status%" "0" "msiexec /x ends with 0"
if exist "%installed%" (set here=yes) else set here=no
call :expect "%here%" "no" "%installed% is gone"
if exist "%shortcut%" (set here=yes) else set here=no
call :expect "%here%" "no" "the Start menu shortcut is gone"
call :count_apps_entries
call :expect "%entries%" "0" "CV Timer is gone from Settings > Apps"
reg query "HKCU\Software\CV Timer developers\CV Timer" >nul 2>&1 && (set here=yes) || set here=no
call :expect "%here%" "no" "the shortcut's registry value is gone"

if exist "%documents%\CVTimerSystem.ini" del "%documents%\CVTimerSystem.ini"
if exist "%kept%" move /y "%kept%" "%documents%\CVTimerSystem.ini" >nul

set /a passed=checks-failures
echo %passed% of %checks% checks passed. The installer's logs: %logs%
if not "%failures%"=="0" exit /b 1
exit /b 0

rem expect FOUND WANTED TEXT: one PASS or FAIL line, the latter with what was found.
:expect
set /a checks+=1
set "got=%~1"
set "wanted=%~2"
set "text=%~3"
if "!got!"=="!wanted!" (
  echo PASS  !text!: !got!
) else (
  echo FAIL  !text!: !got! where !wanted! was expected
  set /a failures+=1
)
exit /b 0

rem count_apps_entries: entries, and location and contact of the last one,
rem for every Apps entry named CV Timer.
:count_apps_entries
set entries=0
set "location="
set "contact="
for /f "delims=" %%k in ('reg query "%uninstall%" /reg:64 2^>nul') do (
  set "name="
  for /f "tokens=2,*" %%a in ('reg query "%%k" /v DisplayName /reg:64 2^>nul') do set "name=%%b"
  if "!name!"=="CV Timer" (
    set /a entries+=1
    for /f "tokens=2,*" %%a in ('reg query "%%k" /v InstallLocation /reg:64 2^>nul') do set "location=%%b"
    for /f "tokens=2,*" %%a in ('reg query "%%k" /v Contact /reg:64 2^>nul') do set "contact=%%b"
  )
)
exit /b 0
