;;; typetools-autoloads.el --- Editor support of Vastor and Perlan  -*- lexical-binding: t -*-

;; Installed by: typetools.  Loaded at start-up when the folder is a
;; package (site-lisp/elpa/typetools-VERSION); elsewhere, add the folder to
;; `load-path' and (require 'typetools-autoloads) in the init file.

;;; Code:

(add-to-list 'load-path (directory-file-name
                         (file-name-directory (or load-file-name buffer-file-name))))

(autoload 'vastor-mode "vastor-mode" "Major mode for Vastor type specifications." t)
(autoload 'vastor-specification-p "vastor-mode")
(autoload 'perlan-mode "perlan-mode" "Major mode for Perlan grammar files." t)
(autoload 'typetools-flymake-vastor "typetools-flymake")
(autoload 'typetools-flymake-perlan "typetools-flymake")

;; Type specifications by their content, whatever their name (x.spec too),
;; and by the extension .vastor; grammars by their name.
(add-to-list 'magic-mode-alist '(vastor-specification-p . vastor-mode))
(add-to-list 'auto-mode-alist '("\\.vastor\\'" . vastor-mode))
(add-to-list 'auto-mode-alist '("\\.yt\\'" . perlan-mode))

(with-eval-after-load 'compile
  (require 'typetools-compile))

(provide 'typetools-autoloads)

;;; typetools-autoloads.el ends here
