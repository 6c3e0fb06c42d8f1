# One target carries the warning flags, the Qt strictness defines and the
# sanitizer switches; every target of the project links it.
add_library(vardex_strict INTERFACE)
target_compile_options(vardex_strict INTERFACE -Wall -Wextra)
target_compile_definitions(vardex_strict INTERFACE
  QT_NO_CAST_TO_ASCII
  QT_NO_FOREACH
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_STRICT_ITERATORS
  QT_DEPRECATED_WARNINGS)

if(VARDEX_SANITIZE)
  set(_vardex_san -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_compile_options(vardex_strict INTERFACE ${_vardex_san})
  target_link_options(vardex_strict INTERFACE ${_vardex_san})
endif()

# Coverage feedback for the fuzzer in all of our code; the fuzz targets link
# the fuzzer's own main.
if(VARDEX_FUZZ)
  target_compile_options(vardex_strict INTERFACE -fsanitize=fuzzer-no-link)
  target_link_options(vardex_strict INTERFACE -fsanitize=fuzzer-no-link)
endif()

# Nothing of ours is visible outside the plug-in but its two entry points.
set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)
