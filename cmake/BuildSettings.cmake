# Fixed texts of the build: the page of the web strips, the makers' contact lines and
# the three font download addresses. Change them with -D at configure time.
set(GLYPHORA_WEB_ADDRESS "https://fonts.google.com/?subset=chinese-simplified&category=Handwriting"
    CACHE STRING "Page shown in the web strips")
set(GLYPHORA_CONTACT_LINE_1 "即时通讯：（未公开）    网站：https://github.com/topics/chinese-fonts"
    CACHE STRING "First contact line of the About window")
set(GLYPHORA_CONTACT_LINE_2 "电子邮箱：（未公开）"
    CACHE STRING "Second contact line of the About window")
set(GLYPHORA_DOWNLOAD_ADDRESS_1 "https://fonts.google.com/?subset=chinese-simplified&category=Handwriting"
    CACHE STRING "First font download address")
set(GLYPHORA_DOWNLOAD_ADDRESS_2 "https://github.com/lxgw/LxgwWenKai/releases"
    CACHE STRING "Second font download address")
set(GLYPHORA_DOWNLOAD_ADDRESS_3 "https://zh.wikipedia.org/wiki/中文字体#免费字体"
    CACHE STRING "Font download web site")
