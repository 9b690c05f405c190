// SPDX-License-Identifier: GPL-3.0-or-later
// export datashop|xapi DIR [HOMEPAGE]: the folder's events for readers
// outside the school, pupils as keyed-hash ids.

#include <filesystem>

#include "courseware/class_export.h"
#include "courseware/class_folder.h"
#include "courseware/keyed_id.h"
#include "tools/driver.h"

namespace talvoren::driver {

int cmdExport(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.size() < 2 || args.size() > 3 || (args[0] != "datashop" && args[0] != "xapi")) return 2;
    const std::string& dir = args[1];
    if (!std::filesystem::is_directory(dir)) {
        err << "export: " << dir << " is not a folder\n";
        return 1;
    }
    std::string error;
    const auto key = folderExportKey(dir, error);
    if (!key) {
        err << "export: " << error << '\n';
        return 1;
    }
    ClassFolder folder(dir);
    folder.refresh();
    for (const std::string& warning : folder.warnings()) err << "export: " << warning << '\n';
    const bool dataShop = args[0] == "datashop";
    const std::string homePage = args.size() == 3 ? args[2] : defaultXapiHomePage;
    if (dataShop) {
        std::string header;
        for (const std::string& column : dataShopColumns()) header += (header.empty() ? "" : "\t") + column;
        out << header << '\n';
    }
    for (const auto& [pupil, log] : folder.logs()) {
        for (const ClassEvent& e : log.events) {
            if (!isExported(e)) continue;
            if (!dataShop) {
                out << xapiStatement(e, *key, homePage) << '\n';
                continue;
            }
            std::string row;
            for (const std::string& field : dataShopRow(e, *key)) row += (row.empty() ? "" : "\t") + field;
            out << row << '\n';
        }
    }
    return 0;
}

}  // namespace talvoren::driver
