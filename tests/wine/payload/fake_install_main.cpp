// payload_fake_install FOLDER UNINSTALLER: lays out an installation in
// FOLDER (plus unrelated neighbours that must survive the uninstaller) for
// the registry check script.
#include <cstdio>
#include <exception>

#include "FakeInstallation.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: payload_fake_install FOLDER UNINSTALLER\n");
        return 2;
    }
    try {
        payloadtest::ResetRegistration();
        payloadtest::CreateFakeInstallation(argv[1], argv[2]);
        payloadtest::SetString(HKEY_LOCAL_MACHINE,
                               "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\BrivantaNeighbour.exe", "",
                               "C:\\Neighbour\\BrivantaNeighbour.exe");
        payloadtest::SetString(HKEY_CLASSES_ROOT, ".bvtx", "", "BVTX file");
        payloadtest::SetString(HKEY_LOCAL_MACHINE, "SOFTWARE\\BrivantaNeighbour", "InstalledVersion", "1.0");
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "payload_fake_install: %s\n", failure.what());
        return 1;
    }
    return 0;
}
