// The shared library as programs see it: the symbols it exports and its unloading.

#include <cxxabi.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>

#include "TarinTranslator/host/CString.h"
#include "TestSupport.h"

namespace tarin {
namespace {

std::string demangle(const std::string& name) {
    int status = 0;
    char* text = abi::__cxa_demangle(name.c_str(), nullptr, nullptr, &status);
    std::string result = status == 0 ? text : name;
    std::free(text);
    return result;
}

// The exported symbols of the library must be exactly those of
// tests/data/exported_symbols.txt (demangled, one a line): the C functions, the C++ API
// and the option and platform classes; no instantiation of the standard library and no
// GNU unique symbol, which would keep the library loaded after dlclose.
TEST(SharedLibrary, ExportsItsInterfaceAndNothingElse) {
    FILE* nm = ::popen("nm -D --defined-only " TARIN_LIBRARY_PATH, "r");
    ASSERT_NE(nm, nullptr);
    std::set<std::string> exported;
    char line[4096];
    while (std::fgets(line, sizeof line, nm)) {
        std::istringstream fields(line);
        std::string address, type, name;
        fields >> address >> type >> name;
        EXPECT_NE(type, "u") << "GNU unique symbol " << demangle(name);
        exported.insert(demangle(name));
    }
    ASSERT_EQ(::pclose(nm), 0) << "nm reads the library";

    std::set<std::string> expected;
    std::istringstream list(test::readFile(TARIN_TEST_DATA_DIR "/exported_symbols.txt"));
    for (std::string name; std::getline(list, name);)
        if (!name.empty() && name[0] != '#') expected.insert(name);
    for (const std::string& name : exported)
        EXPECT_TRUE(expected.count(name)) << "exported but not in the list: " << name;
    for (const std::string& name : expected)
        EXPECT_TRUE(exported.count(name)) << "in the list but not exported: " << name;
}

TEST(SharedLibrary, UnloadsOnDlclose) {
    void* library = ::dlopen(TARIN_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << ::dlerror();
    auto defaults = reinterpret_cast<void (*)(CString&, uint32_t)>(
        ::dlsym(library, "GetPlatformDataDefaultsString"));
    ASSERT_NE(defaults, nullptr);
    CString text;
    defaults(text, 151);
    EXPECT_EQ(text.str().rfind(L"<platformConfig>", 0), 0u);
    ASSERT_EQ(::dlclose(library), 0);
    EXPECT_EQ(::dlopen(TARIN_LIBRARY_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr) << "still loaded";
}

}  // namespace
}  // namespace tarin
