#pragma once

// The full configuration of a radio kind written for description: its defaults with an
// entry in every list that takes entries, and the facts of the row behind each setting.

#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "TarinTranslator/api/TarinTranslator.h"
#include "TarinTranslator/platform_xml/Layout.h"
#include "TarinTranslator/platform_xml/Paths.h"

namespace tarin::detail {

class DescribedConfiguration {
  public:
    explicit DescribedConfiguration(const ReadAs& as);
    DescribedConfiguration(const DescribedConfiguration&) = delete;
    DescribedConfiguration& operator=(const DescribedConfiguration&) = delete;

    const ReadAs& as() const { return as_; }
    pugi::xml_node config() const;
    // The facts of the row that wrote `setting`, or null (a key, or a bespoke attribute).
    const FieldFacts* factsOf(const Setting& setting) const;
    // The rows the writer left out (empty texts it omits), with the element of each.
    const std::vector<std::pair<pugi::xml_node, FieldFacts>>& omittedRows() const {
        return omitted_;
    }

  private:
    std::size_t lineOf(const char* inText) const;

    ReadAs as_;
    std::string text_;
    pugi::xml_document doc_;
    std::map<std::size_t, FieldFacts> byLine_;
    std::vector<std::size_t> feeds_;  // offsets of the text's line feeds
    std::vector<std::pair<pugi::xml_node, FieldFacts>> omitted_;
};

// The path without predicates ("audioConfig/microphone/@gain"), or, with `keepKeys`,
// without the positions of entries only.
std::string plainPath(std::string_view path, bool keepKeys = false);

}  // namespace tarin::detail
