%token A
100 %