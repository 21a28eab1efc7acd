// The built-in catalogue of script commands.
#include "command_catalogue.h"

const QList<CatalogueEntry> &commandCatalogue()
{
    using M = CatalogueMenu;
    static const QList<CatalogueEntry> catalogue = [] {
        struct Row
        {
            M menu;
            const char *caption;
            const char *text;
            int caretOffset;
            const char *help;
        };
        // The caret goes where the user types next: inside the quotes, before the first comma
        // or between the parentheses; after the semicolon for commands without arguments.
        const Row rows[] = {
            {M::Interface, "Message", "mes \"\";", 5,
             "mes \"message\" - Inserts a message into an NPC message window."},
            {M::Interface, "Menu", "menu ;", 5, "menu - Adds selectable choices to the NPC message window."},
            {M::Interface, "Next", "next;", 5,
             "next - Adds a Next button to the NPC message window that allows the player to advance to the next window."},
            {M::Interface, "Close", "close;", 6,
             "close - Adds a Close button to the NPC message window, which when clicked cause the window to close."},
            {M::Interface, "Cutin", "cutin \"kafra_0\" 255;255;", 15,
             "cutin <kafra_id> unknown;unknown - Display the Kafra girl bottom-right of screen. id = kafra_01 to kafra_07."},
            {M::Action, "JobChange", "jobchange \"job_\";", 14,
             "jobchange <new_job> - Changes the player into the new job class. new_job = job_swordman, job_archer, job_assassin, etc."},
            {M::Action, "Warp", "warp \".gat\",,;", 6,
             "warp map.gat,X,Y - Warps the player to the selected map and coordinates."},
            {M::Action, "SetLook", "setlook ,1;", 8,
             "setlook ItemID,1 - Changes the player's equipment appearence to ItemID."},
            {M::Action, "ViewPoint", "viewpoint ,,,,;", 10,
             "viewpoint type,x,y,point_id,colour - No information known about this command."},
            {M::Action, "Set", "set ,;", 4,
             "set type,amount - Type can either be Zeny, SkillPoint, StatusPoint, BaseLevel or JobLevel. Example: set StatusPoint,3"},
            {M::Action, "Input", "input;", 5, "input - The usage of this command is unknown."},
            {M::Action, "GetItem", "getitem ,;", 8,
             "getitem ItemID,Amount - Gives the player ItemID, the total number of them is specified by Amount."},
            {M::Action, "DelItem", "delitem ,;", 8,
             "delitem ItemID,Amount - Removes the item (ID) from the player's inventory. Specify the amount by the Amount parameter."},
            {M::Action, "Monster", "monster \",,;", 9,
             "monster name,monsterID,amount - This spawns the selected monster. MonsterID specifies the actual monster to spawn."},
            {M::Logic, "If", "if ();", 4, "if - language If operator."},
            {M::Logic, "Goto", "goto ;", 5, "goto label - Moves the script execution to label."},
        };
        QList<CatalogueEntry> entries;
        for (const Row &row : rows)
            entries.append({row.menu, QString::fromLatin1(row.caption), QString::fromLatin1(row.text),
                            row.caretOffset, QString::fromLatin1(row.help)});
        return entries;
    }();
    return catalogue;
}
