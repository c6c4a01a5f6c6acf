%%
%%
}} {{ /* unclosed comment
"unclosed literal
%%
%{ /*< x >*/ %}
'
