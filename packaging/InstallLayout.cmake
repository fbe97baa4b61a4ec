# Where `cmake --install` puts the program files. The program and the tool live in a folder of their own,
# because the program looks beside its own file for its digest and its language file; bin/ holds links.
include(GNUInstallDirs)
set(KELVARON_INSTALL_PROGRAMDIR lib/kelvaron)
