# A Debian package of everything cmake/Install.cmake installs, made from the
# release build by `make package` (cpack in build/release). Its dependencies are
# read from the libraries the programs really link (dpkg-shlibdeps, in dpkg-dev).

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dealmoor)
set(CPACK_PACKAGE_VENDOR Orvanel)
set(CPACK_PACKAGE_CONTACT "Orvanel <dealmoor@dealmoor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "blackjack table for one person, dealt by hand")
set(CPACK_PACKAGE_DESCRIPTION
    "Dealmoor is a blackjack table for one person: up to six seats, nine drawn characters, \
a dealer who reaches across the table as he deals, house rules you pick, computer \
players that play from editable strategy cards, hints, Hi-Opt card counts, borrowing \
and sound. Bets are placed with play money the house lends; no real money is involved.\n\
dealmoor-sim plays deals without a window on the same rules, for statistics and checks.")
set(CPACK_PACKAGE_HOMEPAGE_URL https://dealmoor.example/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The table letters its texts in the desktop's sans-serif font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")

include(CPack)
