# One warnings setting for every target of the game, its tests, its bench and
# its tools.
add_compile_options(-Wall -Wextra)
