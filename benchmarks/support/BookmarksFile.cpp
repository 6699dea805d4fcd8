#include "support/BookmarksFile.h"

namespace bench {

std::string BookmarksFile(int links) {
    std::string html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<META HTTP-EQUIV=\"Content-Type\" "
                       "CONTENT=\"text/html; charset=UTF-8\">\n<TITLE>Bookmarks</TITLE>\n"
                       "<H1>Bookmarks</H1>\n<DL><p>\n";
    for (int i = 0; i < links; ++i) {
        const auto n = std::to_string(i);
        // Every second folder opens inside the one before; both close together.
        if (i % 100 == 0) {
            html += "<DT><H3 ADD_DATE=\"1700000000\">Folder " + n + "</H3>\n<DL><p>\n";
        }
        html += "<DT><A HREF=\"https://www.example.org/section/" + n +
                "/page.html?ref=bookmark&amp;id=" + n +
                "\" ADD_DATE=\"1700000000\" ICON=\"data:image/png;base64,iVBORw0KGgo=\">Page " + n +
                " &ndash; example</A>\n";
        if (i % 200 == 199) {
            html += "</DL><p>\n</DL><p>\n";
        }
    }
    return html + "</DL><p>\n";
}

} // namespace bench
