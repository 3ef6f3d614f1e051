#include "script_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "script_line.h"

namespace kalvenor::script {

std::string readScriptFiles(std::span<const std::string> paths) {
    std::string script;
    for (const std::string& path : paths) {
        std::error_code ignored;
        std::ifstream file(path, std::ios::binary);
        if (!file || std::filesystem::is_directory(path, ignored)) {
            throw ScriptError("cannot read " + path);
        }
        script.append(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        if (file.bad()) {
            throw ScriptError("cannot read " + path);
        }
        if (!script.empty() && script.back() != '\n') {
            script += '\n';
        }
    }
    return script;
}

}  // namespace kalvenor::script
