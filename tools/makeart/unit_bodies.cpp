// The body templates. Each is 16 rows of 16 characters, '.' for the see-through background;
// figures leave a free pixel at the sides so the outline fits.
#include "makeart/unit_bodies.hpp"

#include "makeart/palette.hpp"

namespace gloam::makeart {

const BodyTemplate HumanoidBody = {"................", "......HHHH......", ".....HHHHHH.....", ".....HSSSSH.....",
                                   ".....SESSES.....", "......SSSS......", "....BBBAABBB....", "...SBBBBBBBBS...",
                                   "...SBBBBBBBBS...", "...S.BBBBBB.S...", "...S.AAAAAA.S...", ".....LLL.LLL....",
                                   ".....LLL.LLL....", ".....LL...LL....", "....FFF...FFF...", "................"};

const BodyTemplate ShortBody = {"................", "................", "................", "......HHHH......",
                                ".....HHHHHH.....", ".....SESSES.....", ".....SSSSSS.....", "....BBBBBBBB....",
                                "...SBBBBBBBBS...", "...SBBBBBBBBS...", "...S.AAAAAA.S...", ".....LLL.LLL....",
                                ".....LL...LL....", "....FFF...FFF...", "................", "................"};

const BodyTemplate WizardBody = {".......HH.......", "......HHH.......", "......HHHH......", ".....HHHHHH.....",
                                 "...HHHHHHHHHH...", ".....SESSES.....", ".....SSSSSS.....", "......YYYY......",
                                 "....BBYYYYBB....", "...BBBBYYBBBB...", "..SBBBBBBBBBBS..", "....BBBBBBBB....",
                                 "....BBBAABBB....", "...BBBBAABBBB...", "..BBBBBBBBBBBB..", "................"};

const BodyTemplate HoodedBody = {"................", "................", "......HHHH......", ".....HHHHHH.....",
                                 "....HHSSSSHH....", "....HSESSESH....", "....HHSSSSHH....", ".....HHHHHH.....",
                                 "....BBBBBBBB....", "...BBBBBBBBBB...", "..SBBBBBBBBBBS..", "....BBBAABBB....",
                                 "....BBBAABBB....", "...BBBBAABBBB...", "..BBBBBBBBBBBB..", "................"};

const BodyTemplate SkeletonBody = {"................", "......WWWW......", ".....WWWWWW.....", ".....WEWWEW.....",
                                   ".....WWWWWW.....", "......WkkW......", ".......WW.......", "....WWWWWWWW....",
                                   "...W.WkWWkW.W...", "...W.WWWWWW.W...", "...W.WkWWkW.W...", ".......WW.......",
                                   ".....WWWWWW.....", ".....W....W.....", ".....W....W.....", "....WW....WW...."};

const BodyTemplate BruteBody = {"................", "....h......h....", "....hh....hh....", ".....SSSSSS.....",
                                "....SSSSSSSS....", "....SESSSSES....", "....SSSNNSSS....", "..BBSSSSSSSSBB..",
                                ".SSBBBBBBBBBBSS.", ".SSBBBBBBBBBBSS.", ".SS.BBBBBBBB.SS.", ".SS.AAAAAAAA.SS.",
                                "....LLLL.LLLL...", "....LLLL.LLLL...", "...FFFFF.FFFFF..", "................"};

const BodyTemplate BeastBody = {"................", "................", "................", "................",
                                "................", "..EE............", ".HHHH...........", "HeHHHBBBBBBBBB..",
                                "HHHHBBBBBBBBBBBT", ".NHBBBBBBBBBBB.T", "...bbbbbbbbbbb..", "...L.L.....L.L..",
                                "...L.L.....L.L..", "...F.F.....F.F..", "................", "................"};

const BodyTemplate BigBeastBody = {"................", "................", "................", "...EE...........",
                                   "..HHHH..........", ".HHHHHHBBBBBBB..", "HeHHHHBBBBBBBBB.", "HHHHHBBBBBBBBBBB",
                                   ".NHHHBBBBBBBBBBB", "...HBBBBBBBBBBBB", "...bbbbbbbbbbbbb", "...LLL.....LLL..",
                                   "...LLL.....LLL..", "...LLL.....LLL..", "..FFFF....FFFF..", "................"};

const BodyTemplate SerpentBody = {"................", "................", "..........HHH...", ".........HeHHH..",
                                  ".........HHHHt..", "..........HH....", "...........BB...", "....BBBBBBBBB...",
                                  "...BBbbbbbbBBB..", "..BBb......bBB..", "..BBbBBBBBBbBB..", "..BBBbbbbbbBBB..",
                                  "...BBBBBBBBBB...", "....bbbbbbbb....", "................", "................"};

const BodyTemplate BeetleBody = {"................", ".....a....a.....", "......a..a......", ".......HH.......",
                                 "..l...HHHH...l..", "...l.HEHHEH.l...", "....lHHHHHHl....", "...l.BBBBBB.l...",
                                 "..l.BBBBBBBB.l..", ".l..BBBBBBBB..l.", "....BBBAABBB....", "...lBBBAABBBl...",
                                 "..l.BBBAABBB.l..", ".....BBAABB.....", "......BBBB......", "................"};

const BodyTemplate MantisBody = {"................", "....a......a....", ".....a....a.....", "......HHHH......",
                                 ".....HEHHEH.....", "......HHHH......", "...SS..BB..SS...", "..S..S.BB.S..S..",
                                 "......BBBB......", "......BBBB......", ".......BB.......", ".....L.BB.L.....",
                                 "....L.BBBB.L....", "...L..BBBB..L...", "......bbbb......", ".......bb......."};

const BodyTemplate DragonBody = {"................", ".....WW.........", "....WWWW....HH..", "...WWwWWW..HeHH.",
                                 "..WWwwWWW.HHHHt.", ".WWwwwWWBBHH....", "WWwwwWWBBBBH....", "....BBBBBBBB....",
                                 "...BBBBBBBBBB...", "..BBbbbbbbbBB...", ".TBBbbbbbbbBB...", "TT.BB.....BB....",
                                 "T..LL.....LL....", "...FF.....FF....", "................", "................"};

const BodyTemplate HydraBody = {"................", "..HH...HH...HH..", ".HeH..HeH..HeH..", ".HH...HH....HH..",
                                "..N....N....N...", "..N....N....N...", "...N...N...N....", "....N..N..N.....",
                                ".....BBBBBB.....", "....BBBBBBBB....", "...BBbbbbbbBB...", "..BBbbbbbbbbBB..",
                                "..BBBBBBBBBBBB..", "...LL......LL...", "...FF......FF...", "................"};

const BodyTemplate LizardBody = {"................", "................", "................", "...L......L.....",
                                 "...LL....LL.....", "HH..BBBBBBB.....", "HEHBBBBBBBBBB...", "HHHBBbbbbbBBBBTT",
                                 "HEHBBBBBBBBBB...", "HH..BBBBBBB.....", "...LL....LL.....", "...L......L.....",
                                 "................", "................", "................", "................"};

const BodyTemplate AlienBody = {"................", ".....HHHHHH.....", "....HHHHHHHH....", "....HEEHHEEH....",
                                "....HEEHHEEH....", ".....HHHHHH.....", "......HHHH......", ".......HH.......",
                                ".....BBBBBB.....", "....H.BBBB.H....", "....H.BBBB.H....", "......BBBB......",
                                "......B..B......", "......B..B......", "......H..H......", "................"};

const BodyTemplate BlobBody = {"................", "................", "................", "................",
                               "................", "......BBBB......", "....BBBBBBBB....", "...BBHBBBBBBB...",
                               "..BBHHBBBBBBBB..", "..BBBBEBBBEBBB..", ".BBBBBBBBBBBBBB.", ".BBBBBBBBBBBBBB.",
                               ".BBBBBBBBBBBBBB.", "..bbbbbbbbbbbb..", "................", "................"};

void paintBody(Canvas& c, const BodyTemplate& body, Palette palette) {
  int y = 0;
  for (std::string_view row : body) {
    stamp(c, 0, y, {row}, palette);
    ++y;
  }
}

void finishFigure(Canvas& c, bool player) { outline(c, KeyColour, player ? Colour{255, 236, 140} : colours::Outline); }

}  // namespace gloam::makeart
