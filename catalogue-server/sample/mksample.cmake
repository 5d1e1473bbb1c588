# cmake -DOUT=DIR -DTEMPLATE=FILE -DFOO_PACKAGE=7Z -DDEFAULT_BOTTLE=7Z -DICON=PNG -P mksample.cmake
#
# Lays out the sample catalogue's data directory: catalogue.json with the
# packages' checksums, the packages, icons and avatars.
foreach(var OUT TEMPLATE FOO_PACKAGE DEFAULT_BOTTLE ICON)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "mksample.cmake needs -D${var}=...")
    endif()
endforeach()

file(MD5 ${FOO_PACKAGE} FOO_PACKAGE_MD5)
file(MD5 ${DEFAULT_BOTTLE} DEFAULT_BOTTLE_MD5)

file(MAKE_DIRECTORY ${OUT}/packages ${OUT}/icons ${OUT}/avatars)
configure_file(${FOO_PACKAGE} ${OUT}/packages/foo-package.7z COPYONLY)
configure_file(${DEFAULT_BOTTLE} ${OUT}/packages/default-bottle.7z COPYONLY)
foreach(picture icons/foo-app icons/paint icons/cards avatars/alice avatars/bob)
    configure_file(${ICON} ${OUT}/${picture}.png COPYONLY)
endforeach()
# Written last: its time stamp tells the build the directory is complete.
configure_file(${TEMPLATE} ${OUT}/catalogue.json @ONLY)
