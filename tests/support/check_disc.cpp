#include "check_disc.h"

#include "app/main_form_controls.h"
#include "tables/contents_tree.h"
#include "test_support.h"

namespace velmora::test {

void MakeCleanCheckDisc(const std::string& root) {
  MakeMinimalDisc(root);
  const std::string page =
      "<html><head><title>temat: Strona</title></head><body></body></html>\r\n";
  for (const app::main_form::FixedPage& button : app::main_form::kFixedPages) {
    WriteFile(root + "/Data/" + std::string(button.page), page);
  }
  WriteFile(root + "/Data/drzewo.htm", page);
  for (const char* name : {"f.jpg", "arrow.gif", "wstecz.gif", "blankb.htm", "m.jpg"}) {
    WriteFile(root + "/Makiety/" + name, "x");
  }
  WriteFile(root + "/Makiety/econet_fr.html",
            "<frameset><frame src=\"$$econet.html\"><frame src=\"blankb.htm\"></frameset>\r\n");
  for (const char* name : {"lock.vnq", "styledb.css", "bgr.jpg", "pics/pk.jpg", "pics/pn.jpg"}) {
    WriteFile(root + "/Data/" + name, "x");
  }
  for (const char* name :
       {"rp.html", "pk.html", "OCHK.html", "econet.html", "pn_loc.html", "pk_loc.html",
        "chmurka.html", "dict.html", "search.html", "slide.html", "opis.html"}) {
    WriteFile(root + "/Makiety/" + name, "<html><body><!--@opis@--></body></html>\r\n");
  }
  WriteFile(root + "/Anim/kev1.wav", "RIFF");
  // Every leaf of the tree opens the start page.
  std::string tree;
  for (int node = 0; node < tables::kTreeNodeCount; ++node) {
    if (!tables::TreeNodeHasChildren(node)) tree += std::to_string(node) + ";799.htm\r\n";
  }
  WriteFile(root + "/DB/DRZEWO1.CSV", tree);
  WriteFile(root + "/DB/TRANSL.CSV", "intro_en;799\r\n");
  WriteFile(root + "/DB/SLIDE.CSV", "zima;1\r\n");
  WriteFile(root + "/Foto/f1.jpg", "x");
}

}  // namespace velmora::test
