// The main window's menu tree.
#include "menu_table.h"

const QList<MenuEntry> &mainMenuTable()
{
    using C = Command;
    using M = Menu;
    static const QList<MenuEntry> table = {
        {M::Bar, "mFILE", "File", "", {}, M::File},
        {M::File, "mNEWFILE", "New File", "Ctrl+N", C::NewFile, {}},
        {M::File, "mOPENFILE", "Open File..", "Ctrl+O", C::OpenFile, {}},
        {M::File, "mFILEINSERTFILE", "Insert File..", "", C::InsertFile, {}},
        {M::File, "mSAVEFILE", "Save", "Ctrl+S", C::SaveFile, {}},
        {M::File, "mSAVEAS", "Save As..", "", C::SaveAs, {}},
        {M::File, "mSEPERATOR0", "-", "", {}, {}},
        {M::File, "mSEPARATOR17", "Print..", "", C::Print, {}},
        {M::File, "mSEPARATOR14", "-", "", {}, {}},
        {M::File, "mQUIT", "Quit", "", C::Quit, {}},
        {M::Bar, "mEDIT", "Edit", "", {}, M::Edit},
        {M::Edit, "mEDITUNDO", "Undo", "", C::Undo, {}},
        {M::Edit, "mEDITREDO", "Redo", "", C::Redo, {}},
        {M::Edit, "mSEPARATOR2", "-", "", {}, {}},
        {M::Edit, "mEDITCUT", "Cut", "", C::Cut, {}},
        {M::Edit, "mEDITCOPY", "Copy", "", C::Copy, {}},
        {M::Edit, "mEDITPASTE", "Paste", "", C::Paste, {}},
        {M::Edit, "mSEPRATOR3", "-", "", {}, {}},
        {M::Edit, "mEDITSELECTALL", "Select All", "", C::SelectAll, {}},
        {M::Bar, "mSEARCH", "Search", "", {}, M::Search},
        {M::Search, "mSEARCHFIND", "Find", "Ctrl+F", C::Find, {}},
        {M::Search, "mSEARCHFINDNEXT", "Find Next", "F3", C::FindNext, {}},
        {M::Search, "mSEARCHFINDPREVIOUS", "Find Previous", "Ctrl+F3", C::FindPrevious, {}},
        {M::Search, "mSEARCHREPLACE", "Replace", "Ctrl+H", C::Replace, {}},
        {M::Search, "mSEARCHFINDINFILES", "Find in Files..", "Ctrl+Shift+F", C::FindInFiles, {}},
        {M::Search, "mSEPARATOR10", "-", "", {}, {}},
        {M::Search, "mSEARCHGOTOLINE", "Go to Line", "Ctrl+G", C::GoToLine, {}},
        {M::Search, "mSEARCHGOTODEFINITION", "Go to Definition", "F12", C::GoToDefinition, {}},
        {M::Search, "mSEARCHFINDREFERENCES", "Find References", "Shift+F12", C::FindReferences, {}},
        {M::Search, "mSEPARATOR11", "-", "", {}, {}},
        {M::Bar, "mINSERT", "Insert", "", {}, M::Insert},
        {M::Insert, "mINSERTNPC", "NPC", "", C::InsertNpc, {}},
        {M::Insert, "mINSERTSHOP", "Shop", "", C::InsertShop, {}},
        {M::Insert, "mSAYMARK", "Message", "Ctrl+M", C::InsertMessage, {}},
        {M::Insert, "mINSERTCOLOURCODE", "Colour Code", "", C::InsertColourCode, {}},
        {M::Insert, "mSEPARATOR7", "-", "", {}, {}},
        {M::Insert, "mINSERTCOMMANDS", "Commands", "", {}, M::InsertCommands},
        {M::InsertCommands, "mINSERTCOMMANDSINTERFACE", "Interface", "", {}, M::CommandsInterface},
        {M::InsertCommands, "mINSERTCOMMANDSACTION", "Action", "", {}, M::CommandsAction},
        {M::InsertCommands, "mINSERTCOMMANDSLOGIC", "Logic", "", {}, M::CommandsLogic},
        {M::Insert, "mTEMPLATES", "Templates", "", {}, M::Templates},
        {M::Templates, "mNPCBLANKMESSAGE", "NPC - Blank Message", "", C::BlankMessageTemplate, {}},
        {M::Bar, "mPROJECT", "Project", "", {}, M::Project},
        {M::Project, "mNEWPROJECT", "New Project", "", C::NewProject, {}},
        {M::Project, "mOPENPROJECT", "Open Project..", "", C::OpenProject, {}},
        {M::Project, "mCLOSEPROJECT", "Close Project", "", C::CloseProject, {}},
        {M::Project, "mSEPARATOR8", "-", "", {}, {}},
        {M::Project, "mPROJECTPROPERTIES", "Project Properties..", "", C::ProjectProperties, {}},
        {M::Bar, "mDEBUG", "Debug", "", {}, M::Debug},
        {M::Debug, "mDEBUGCHECKSCRIPT", "Check Script", "F7", C::CheckScript, {}},
        {M::Debug, "mDEBUGCHECKPROJECT", "Check Project", "", C::CheckProject, {}},
        {M::Debug, "mDEBUGUNKNOWNCOMMANDS", "Report Unknown Commands", "", C::ReportUnknownCommands, {}},
        {M::Bar, "mOPTIONS", "Options", "", {}, M::Options},
        {M::Options, "mOPTIONSREADONLY", "Read Only", "", C::ReadOnly, {}},
        {M::Options, "mOPTIONSCOLOURSCHEME", "Colour Scheme", "", {}, M::ColourScheme},
        {M::ColourScheme, "mSCHEMELIGHT", "Light", "", C::SchemeLight, {}},
        {M::ColourScheme, "mSCHEMEDARK", "Dark", "", C::SchemeDark, {}},
        {M::ColourScheme, "mSCHEMEDESKTOP", "Follow Desktop", "", C::SchemeDesktop, {}},
        {M::Options, "mOPTIONSRESTORESESSION", "Restore Last Session", "", C::RestoreLastSession, {}},
        {M::Bar, "mVIEW", "View", "", {}, M::View},
        {M::View, "mVIEWVIEWAS", "Highlighting Type..", "", {}, M::HighlightingType},
        {M::View, "mSEPARATOR12", "-", "", {}, {}},
        {M::View, "mVIEWSETFONT", "Set Font..", "", C::SetFont, {}},
        {M::View, "mSEPARATOR16", "-", "", {}, {}},
        {M::View, "mVIEWSHOWWHITESPACE", "Show Whitespace", "", C::ShowWhitespace, {}},
        {M::View, "mVIEWPROBLEMS", "Problems", "", C::ShowProblems, {}},
        {M::Bar, "mHELP", "Help", "", {}, M::Help},
        {M::Help, "mHELPGOTOWEBSITE", "Go to website..", "", C::GoToWebsite, {}},
        {M::Help, "mHELPGOTOVEXLOFORUM", "Go to Vexlo forum..", "", C::GoToVexloForum, {}},
        {M::Help, "mHELPGOTOTAMRINFORUM", "Go to Tamrin forum..", "", C::GoToTamrinForum, {}},
        {M::Help, "mSEPARATOR5", "-", "", {}, {}},
        {M::Help, "mHELPABOUT", "About", "", C::About, {}},
    };
    return table;
}

const QList<HighlightingType> &highlightingTypes()
{
    static const QList<HighlightingType> types = {
        {"NPC Script", "NPC Script"}, {"", ""}, {"<none>", ""}, {"C/C++", "C/C++"}, {"Basic", "Basic"},
        {"Java", "Java"}, {"Pascal", "Pascal"}, {"SQL", "SQL"}, {"HTML", "HTML"}, {"XML", "XML"},
    };
    return types;
}
