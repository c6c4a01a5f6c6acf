%token A '\\' '
