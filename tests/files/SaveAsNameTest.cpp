#include "SaveAsName.h"

#include <gtest/gtest.h>

namespace tessivar {
namespace {

TEST(SaveAsNameTest, KeepsAProgramOrTheChosenTypesExtensionAndAppendsOtherwise)
{
    const struct {
        const char* chosen;
        const char* type;
        const char* saved;
    } cases[] = {
        {"/d/prog", "urm", "/d/prog.urm"},
        {"/d/prog.URM", "urm", "/d/prog.URM"},
        {"/d/prog.Urm", "txt", "/d/prog.Urm"},
        {"/d/prog.txt", "urm", "/d/prog.txt.urm"},
        {"/d/a.urm/prog", "urm", "/d/a.urm/prog.urm"},
        {"/d/progurm", "urm", "/d/progurm.urm"},
        {"/d/a.txt", "txt", "/d/a.txt"},
        {"/d/a.TXT", "txt", "/d/a.TXT"},
        {"/d/a", "txt", "/d/a.txt"},
        {"/d/a.text", "txt", "/d/a.text.txt"},
        {"/d/notes.text", "*", "/d/notes.text"},
        {"/d/notes", "*", "/d/notes.urm"},
        {"/d/.profile", "*", "/d/.profile.urm"},
        {"/d/dir.d/notes", "*", "/d/dir.d/notes.urm"},
        {"/d/trailing.", "*", "/d/trailing..urm"},
        {"/d/プログラム", "urm", "/d/プログラム.urm"},
        {"/d/prog", "", "/d/prog.urm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NameToSaveAs(c.chosen, c.type), c.saved) << c.chosen << " as " << c.type;
}

} // namespace
} // namespace tessivar
