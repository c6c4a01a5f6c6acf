%{
String s = "one\
two";
/* three
   four */
%}
%token A '
' // five
/* six
*/
%%
a : A "
" { s = "seven\
eight"; /* nine
ten */ // eleven
     try {  twelve("
    thirteen");  } catch (Exception e) { SemanticValue.addError (e); }  }
  ;
}