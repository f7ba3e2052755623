@echo off
rem The MTT scripts of the example firmware with the Windows tools. Run it
rem in the unpacked .zip's folder: examples\batch\scripts.bat
rem
rem mapgen and paramgen fail with negative statuses, which "if errorlevel 1"
rem does not see (it means 1 or above); "if %ERRORLEVEL% NEQ 0" sees every
rem failure. A script of an earlier run goes first, so that a failed run
rem leaves none; a failed generator may leave part of its script: it goes.
setlocal
set FIRMWARE=examples\firmware

del tables.mtt 2>nul
bin\mttlint.exe -t %FIRMWARE%\etc\tables.txt
if %ERRORLEVEL% NEQ 0 exit /b %ERRORLEVEL%
bin\mapgen.exe -t %FIRMWARE%\etc\tables.txt -l mapgen.log -o tables.mtt
if %ERRORLEVEL% NEQ 0 (del tables.mtt 2>nul & exit /b %ERRORLEVEL%)

set CONFIGS=%FIRMWARE%\etc\config.txt %FIRMWARE%\etc\myconfig.txt
del config.mtt 2>nul
bin\mttlint.exe -c %CONFIGS% -g %FIRMWARE%\global.h
if %ERRORLEVEL% NEQ 0 exit /b %ERRORLEVEL%
bin\paramgen.exe -c %CONFIGS% -g %FIRMWARE%\global.h -l paramgen.log -o config.mtt
if %ERRORLEVEL% NEQ 0 (del config.mtt 2>nul & exit /b %ERRORLEVEL%)
