// The main window's menu tree.
#include "menu_table.h"

const QList<MenuEntry> &MainMenuTable()
{
    static const QList<MenuEntry> table = {
        {"mFILE", "File", "", ""},
        {"mNEWFILE", "New File", "Ctrl+N", "mFILE"},
        {"mOPENFILE", "Open File..", "Ctrl+O", "mFILE"},
        {"mFILEINSERTFILE", "Insert File..", "", "mFILE"},
        {"mSAVEFILE", "Save", "Ctrl+S", "mFILE"},
        {"mSAVEAS", "Save As..", "", "mFILE"},
        {"mSEPERATOR0", "-", "", "mFILE"},
        {"mSEPARATOR17", "Print..", "", "mFILE"},
        {"mSEPARATOR14", "-", "", "mFILE"},
        {"mQUIT", "Quit", "", "mFILE"},
        {"mEDIT", "Edit", "", ""},
        {"mEDITUNDO", "Undo", "", "mEDIT"},
        {"mEDITREDO", "Redo", "", "mEDIT"},
        {"mSEPARATOR2", "-", "", "mEDIT"},
        {"mEDITCUT", "Cut", "", "mEDIT"},
        {"mEDITCOPY", "Copy", "", "mEDIT"},
        {"mEDITPASTE", "Paste", "", "mEDIT"},
        {"mSEPRATOR3", "-", "", "mEDIT"},
        {"mEDITSELECTALL", "Select All", "", "mEDIT"},
        {"mSEARCH", "Search", "", ""},
        {"mSEARCHFIND", "Find", "Ctrl+F", "mSEARCH"},
        {"mSEARCHFINDNEXT", "Find Next", "F3", "mSEARCH"},
        {"mSEARCHFINDPREVIOUS", "Find Previous", "Ctrl+F3", "mSEARCH"},
        {"mSEARCHREPLACE", "Replace", "Ctrl+H", "mSEARCH"},
        {"mSEPARATOR10", "-", "", "mSEARCH"},
        {"mSEARCHGOTOLINE", "Go to Line", "Ctrl+G", "mSEARCH"},
        {"mSEPARATOR11", "-", "", "mSEARCH"},
        {"mINSERT", "Insert", "", ""},
        {"mINSERTNPC", "NPC", "", "mINSERT"},
        {"mINSERTSHOP", "Shop", "", "mINSERT"},
        {"mSAYMARK", "Message", "Ctrl+M", "mINSERT"},
        {"mINSERTCOLOURCODE", "Colour Code", "", "mINSERT"},
        {"mSEPARATOR7", "-", "", "mINSERT"},
        {"mINSERTCOMMANDS", "Commands", "", "mINSERT"},
        {"mINSERTCOMMANDSINTERFACE", "Interface", "", "mINSERTCOMMANDS"},
        {"mINSERTCOMMANDSACTION", "Action", "", "mINSERTCOMMANDS"},
        {"mINSERTCOMMANDSLOGIC", "Logic", "", "mINSERTCOMMANDS"},
        {"mTEMPLATES", "Templates", "", "mINSERT"},
        {"mNPCBLANKMESSAGE", "NPC - Blank Message", "", "mTEMPLATES"},
        {"mPROJECT", "Project", "", ""},
        {"mNEWPROJECT", "New Project", "", "mPROJECT"},
        {"mOPENPROJECT", "Open Project..", "", "mPROJECT"},
        {"mCLOSEPROJECT", "Close Project", "", "mPROJECT"},
        {"mSEPARATOR8", "-", "", "mPROJECT"},
        {"mPROJECTPROPERTIES", "Project Properties..", "", "mPROJECT"},
        {"mDEBUG", "Debug", "", ""},
        {"mDEBUGCHECKSCRIPT", "Check Script", "F7", "mDEBUG"},
        {"mDEBUGUNKNOWNCOMMANDS", "Report Unknown Commands", "", "mDEBUG"},
        {"mOPTIONS", "Options", "", ""},
        {"mOPTIONSREADONLY", "Read Only", "", "mOPTIONS"},
        {"mVIEW", "View", "", ""},
        {"mVIEWVIEWAS", "Highlighting Type..", "", "mVIEW"},
        {"mSEPARATOR12", "-", "", "mVIEW"},
        {"mVIEWSETFONT", "Set Font..", "", "mVIEW"},
        {"mSEPARATOR16", "-", "", "mVIEW"},
        {"mVIEWSHOWWHITESPACE", "Show Whitespace", "", "mVIEW"},
        {"mHELP", "Help", "", ""},
        {"mHELPGOTOWEBSITE", "Go to website..", "", "mHELP"},
        {"mHELPGOTOVEXLOFORUM", "Go to Vexlo forum..", "", "mHELP"},
        {"mHELPGOTOTAMRINFORUM", "Go to Tamrin forum..", "", "mHELP"},
        {"mSEPARATOR5", "-", "", "mHELP"},
        {"mHELPABOUT", "About", "", "mHELP"},
    };
    return table;
}

const QList<MenuArray> &MainMenuArrays()
{
    static const QList<MenuArray> arrays = {
        // Each highlighting item carries the language it selects; "" switches highlighting off.
        {"mHIGHLIGHTINGTYPE", "mVIEWVIEWAS",
         {"NPC Script", "-", "<none>", "C/C++", "Basic", "Java", "Pascal", "SQL", "HTML", "XML"},
         {"NPC Script", "", "", "C/C++", "Basic", "Java", "Pascal", "SQL", "HTML", "XML"}},
        // Filled from the command catalogue at start; one placeholder until then.
        {"mINSERTCMDS_INTERFACE", "mINSERTCOMMANDSINTERFACE", {"{array}"}},
        {"mINSERTCMDS_ACTION", "mINSERTCOMMANDSACTION", {"{array}"}},
        {"mINSERTCMDS_LOGIC", "mINSERTCOMMANDSLOGIC", {"{array}"}},
    };
    return arrays;
}
