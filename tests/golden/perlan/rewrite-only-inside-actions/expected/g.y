/*< before the preamble >*/
%{
/*< in the preamble >*/
%}
%token A /*< in the declarations >*/
%%
a /*< in the rules >*/ : A {  try {  in();  } catch (Exception e) { SemanticValue.addError (e); }  } /*< after >*/ ;
%%
/*< in the trailer >*/ { /*< still the trailer >*/ }
