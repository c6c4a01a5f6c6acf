%%
a : A { /**/ x(); /*/ still a comment } */ y(); /***/ /* < spaced */ /*
<on the next line */  try { */  } catch (Exception e) { SemanticValue.addError (e); }  }
  ;
%%
