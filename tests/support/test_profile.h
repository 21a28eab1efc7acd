// A small server profile written out in the tests, so that they need no shipped file.
#pragma once

#include <memory>
#include <string>

#include "script_profile.h"

inline std::shared_ptr<const ScriptProfile> testProfile()
{
    static const std::shared_ptr<const ScriptProfile> profile = [] {
        auto parsed = std::make_shared<ScriptProfile>();
        parsed->id = "test";
        std::string error;
        ParseScriptProfile("name = Test Server\n"
                           "ignore case = yes\n"
                           "assignments = = += -= ++ --\n"
                           "call functions by name = yes\n"
                           "[headers]\n"
                           "script script body state\n"
                           "shop shop\n"
                           "[events]\n"
                           "OnInit\n"
                           "[commands]\n"
                           "mes s* text\n"
                           "next -\n"
                           "close -\n"
                           "end -\n"
                           "goto l label\n"
                           "callfunc s* function, argument\n"
                           "warp sii? map, x, y, char id\n"
                           "warpchar sii? map, x, y, char id\n"
                           "getitem vi? item, amount, account id\n",
                           parsed.get(), &error);
        return std::shared_ptr<const ScriptProfile>(parsed);
    }();
    return profile;
}
