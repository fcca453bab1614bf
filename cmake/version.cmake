# The program's version and web site, read by the project itself and by the
# Windows cross-build check, so every build names the same release.
set(PELIMOR_VERSION 1.0.1)
set(PELIMOR_WEBSITE "pelimor.example")
