#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/catia/connection.h"
#include "common/drawing/template_artwork.h"

namespace qvl::drawing {

// A template file of a program and the artwork that the program makes it of by default.
struct DefaultTemplate {
    std::string path;
    std::function<TemplateArtwork()> artwork;
};

// A command needs the template file `needed`. When that file does not exist and CATIA is
// attached, the user is asked (Yes and No, with the program's title) whether to make the
// default templates in CATIA now. Yes makes every one of `templates` whose file does not exist
// (none that exists is replaced), in its folder, made when missing; then one message tells where
// they were saved and which could not be saved. True when `needed` exists afterwards.
bool OfferDefaultTemplates(catia::Connection& connection, const std::string& needed,
                           const std::vector<DefaultTemplate>& templates);

}  // namespace qvl::drawing
