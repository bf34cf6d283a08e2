# Compiler warnings (errors with OLVAREN_WERROR, as CI builds) and the
# optional sanitizer build, applied to every target.
add_compile_options(-Wall -Wextra)
if(OLVAREN_WERROR)
  add_compile_options(-Werror)
endif()
if(OLVAREN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
